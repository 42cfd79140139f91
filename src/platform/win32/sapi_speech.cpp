// The voice engine over SAPI 5: an Italian voice (language 410) when one is
// installed, sentences spoken asynchronously by the system's own thread.

#include "platform/win32/speech_thread.h"

#include <windows.h>
#include <sapi.h>

#include <string>

namespace {

template <typename T> void release(T *&p)
{
    if (p)
        p->Release();
    p = nullptr;
}

class SapiEngine final : public VoiceEngine {
public:
    SapiEngine() { com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)); }
    ~SapiEngine() override
    {
        if (voice_)
            voice_->Speak(L"", SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
        release(voice_);
        if (com_)
            CoUninitialize();
    }

    QString open() override
    {
        if (!com_)
            return QStringLiteral("la sintesi vocale di Windows (SAPI) non si avvia");
        if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                    reinterpret_cast<void **>(&voice_)))) {
            voice_ = nullptr;
            return QStringLiteral("manca la sintesi vocale di Windows (SAPI 5)");
        }
        ISpObjectToken *italian = findItalianVoice();
        if (!italian)
            return QStringLiteral("manca una voce italiana per la sintesi vocale di Windows");
        const HRESULT set = voice_->SetVoice(italian);
        italian->Release();
        if (FAILED(set))
            return QStringLiteral("la voce italiana della sintesi vocale di Windows non si avvia");
        return {};
    }

    bool speak(const QString &text, bool purge) override
    {
        const std::wstring wide = text.toStdWString();
        DWORD flags = SPF_ASYNC | SPF_IS_NOT_XML;
        if (purge)
            flags |= SPF_PURGEBEFORESPEAK;
        return SUCCEEDED(voice_->Speak(wide.c_str(), flags, nullptr));
    }

private:
    // The first voice token of the Italian language, or none.
    static ISpObjectToken *findItalianVoice()
    {
        ISpObjectTokenCategory *category = nullptr;
        IEnumSpObjectTokens *tokens = nullptr;
        ISpObjectToken *token = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                       IID_ISpObjectTokenCategory,
                                       reinterpret_cast<void **>(&category)))
            && SUCCEEDED(category->SetId(SPCAT_VOICES, FALSE))
            && SUCCEEDED(category->EnumTokens(L"Language=410", nullptr, &tokens))) {
            if (tokens->Next(1, &token, nullptr) != S_OK)
                token = nullptr;
        }
        release(tokens);
        release(category);
        return token;
    }

    bool com_ = false;
    ISpVoice *voice_ = nullptr;
};

} // namespace

std::unique_ptr<VoiceEngine> sapiEngine() { return std::make_unique<SapiEngine>(); }
