#include "platform/win32/uia_notify.h"

#include <QWidget>

#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

#include <string>

namespace {

// mingw-w64's headers lack the notification call (Windows 10 1709 and later):
// it is looked up in the system's library at run time.
enum : int {
    ActionCompleted = 2,        // NotificationKind_ActionCompleted
    ImportantMostRecent = 1,    // NotificationProcessing_ImportantMostRecent
};
using RaiseNotification = HRESULT(WINAPI *)(IRawElementProviderSimple *, int, int, BSTR, BSTR);
using HostProvider = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);

struct Uia {
    RaiseNotification raise = nullptr;
    HostProvider host = nullptr;
    Uia()
    {
        HMODULE core = LoadLibraryW(L"UIAutomationCore.dll");
        if (!core)
            return;
        raise = reinterpret_cast<RaiseNotification>(
            reinterpret_cast<void *>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
        host = reinterpret_cast<HostProvider>(
            reinterpret_cast<void *>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
    }
};

} // namespace

bool raiseUiaNotification(QWidget *window, const QString &text)
{
    static const Uia uia;
    if (!uia.raise || !uia.host || !window || text.isEmpty())
        return false;
    IRawElementProviderSimple *provider = nullptr;
    if (FAILED(uia.host(reinterpret_cast<HWND>(window->winId()), &provider)) || !provider)
        return false;
    const std::wstring wide = text.toStdWString();
    BSTR said = SysAllocString(wide.c_str());
    BSTR activity = SysAllocString(L"tolvena");
    const HRESULT hr = uia.raise(provider, ActionCompleted, ImportantMostRecent, said, activity);
    SysFreeString(activity);
    SysFreeString(said);
    provider->Release();
    return SUCCEEDED(hr);
}
