#include "platform/linux/x11_display.h"

#include "platform/linux/display_modes.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

// xcb replies are malloc'ed; they go with free().
struct FreeReply {
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

struct Resources {
    xcb_timestamp_t configTimestamp = 0;
    std::vector<xcb_randr_crtc_t> crtcs;
    std::vector<xcb_randr_output_t> outputs;
    std::vector<xcb_randr_mode_info_t> modes;
};

template <typename R> void copyResources(const R *r, Resources &out,
    xcb_randr_crtc_t *(*crtcs)(const R *), xcb_randr_output_t *(*outputs)(const R *),
    xcb_randr_mode_info_t *(*modes)(const R *))
{
    out.configTimestamp = r->config_timestamp;
    out.crtcs.assign(crtcs(r), crtcs(r) + r->num_crtcs);
    out.outputs.assign(outputs(r), outputs(r) + r->num_outputs);
    out.modes.assign(modes(r), modes(r) + r->num_modes);
}

// The screen resources, without making the server probe the outputs again
// when it speaks RandR 1.3.
std::optional<Resources> resources(xcb_connection_t *c, xcb_window_t root, bool current)
{
    Resources out;
    if (current) {
        Reply<xcb_randr_get_screen_resources_current_reply_t> r(
            xcb_randr_get_screen_resources_current_reply(
                c, xcb_randr_get_screen_resources_current(c, root), nullptr));
        if (!r)
            return std::nullopt;
        copyResources<xcb_randr_get_screen_resources_current_reply_t>(
            r.get(), out, xcb_randr_get_screen_resources_current_crtcs,
            xcb_randr_get_screen_resources_current_outputs,
            xcb_randr_get_screen_resources_current_modes);
    } else {
        Reply<xcb_randr_get_screen_resources_reply_t> r(xcb_randr_get_screen_resources_reply(
            c, xcb_randr_get_screen_resources(c, root), nullptr));
        if (!r)
            return std::nullopt;
        copyResources<xcb_randr_get_screen_resources_reply_t>(
            r.get(), out, xcb_randr_get_screen_resources_crtcs,
            xcb_randr_get_screen_resources_outputs, xcb_randr_get_screen_resources_modes);
    }
    return out;
}

const xcb_randr_mode_info_t *modeInfo(const Resources &res, xcb_randr_mode_t id)
{
    for (const auto &m : res.modes)
        if (m.id == id)
            return &m;
    return nullptr;
}

double rateOf(const xcb_randr_mode_info_t &m)
{
    return refreshRate(m.dot_clock, m.htotal, m.vtotal,
                       m.mode_flags & XCB_RANDR_MODE_FLAG_INTERLACE,
                       m.mode_flags & XCB_RANDR_MODE_FLAG_DOUBLE_SCAN);
}

bool sideways(uint16_t rotation)
{
    return rotation & (XCB_RANDR_ROTATION_ROTATE_90 | XCB_RANDR_ROTATION_ROTATE_270);
}

// What one root window offers: its outputs (for the choice) and resources.
struct RootState {
    xcb_screen_t *screen = nullptr;
    Resources res;
    std::vector<OutputChoice> outputs;
    std::vector<std::vector<xcb_randr_mode_t>> outputModes;
    xcb_randr_output_t primary = 0;
};

std::optional<RootState> readRoot(xcb_connection_t *c, xcb_screen_t *screen, bool current)
{
    RootState st;
    st.screen = screen;
    auto res = resources(c, screen->root, current);
    if (!res)
        return std::nullopt;
    st.res = std::move(*res);
    for (xcb_randr_output_t id : st.res.outputs) {
        Reply<xcb_randr_get_output_info_reply_t> info(xcb_randr_get_output_info_reply(
            c, xcb_randr_get_output_info(c, id, st.res.configTimestamp), nullptr));
        OutputChoice o;
        o.id = id;
        std::vector<xcb_randr_mode_t> modes;
        if (info) {
            const auto *name = xcb_randr_get_output_info_name(info.get());
            o.name = QString::fromUtf8(reinterpret_cast<const char *>(name),
                                       xcb_randr_get_output_info_name_length(info.get()));
            o.connected = info->connection == XCB_RANDR_CONNECTION_CONNECTED;
            o.crtc = info->crtc;
            const auto *m = xcb_randr_get_output_info_modes(info.get());
            modes.assign(m, m + xcb_randr_get_output_info_modes_length(info.get()));
        }
        st.outputs.push_back(o);
        st.outputModes.push_back(std::move(modes));
    }
    Reply<xcb_randr_get_output_primary_reply_t> primary(xcb_randr_get_output_primary_reply(
        c, xcb_randr_get_output_primary(c, screen->root), nullptr));
    if (primary)
        st.primary = primary->output;
    return st;
}

int switchOn(xcb_connection_t *c, RootState &st, int index, int width, int height)
{
    const OutputChoice &out = st.outputs[index];
    Reply<xcb_randr_get_crtc_info_reply_t> crtc(xcb_randr_get_crtc_info_reply(
        c, xcb_randr_get_crtc_info(c, out.crtc, st.res.configTimestamp), nullptr));
    if (!crtc || crtc->status != XCB_RANDR_SET_CONFIG_SUCCESS)
        return ModeSwitch::NoOutput;

    // A turned output shows a mode of height x width as width x height.
    const bool turned = sideways(crtc->rotation);
    const int modeW = turned ? height : width;
    const int modeH = turned ? width : height;

    const xcb_randr_mode_info_t *now = modeInfo(st.res, crtc->mode);
    if (now && now->width == modeW && now->height == modeH)
        return ModeSwitch::Done;

    std::vector<DisplayMode> offered;
    for (xcb_randr_mode_t id : st.outputModes[index])
        if (const auto *m = modeInfo(st.res, id))
            offered.push_back({m->id, m->width, m->height, rateOf(*m)});
    const auto chosen = pickMode(offered, modeW, modeH, now ? rateOf(*now) : 0.0);
    if (!chosen)
        return ModeSwitch::NoMode;

    // The desktop must hold every lit CRTC once this one shows the new mode.
    std::vector<QRect> lit;
    for (xcb_randr_crtc_t id : st.res.crtcs) {
        if (id == out.crtc) {
            lit.emplace_back(crtc->x, crtc->y, width, height);
            continue;
        }
        Reply<xcb_randr_get_crtc_info_reply_t> other(xcb_randr_get_crtc_info_reply(
            c, xcb_randr_get_crtc_info(c, id, st.res.configTimestamp), nullptr));
        if (other && other->mode != 0)
            lit.emplace_back(other->x, other->y, other->width, other->height);
    }
    Reply<xcb_randr_get_screen_size_range_reply_t> range(xcb_randr_get_screen_size_range_reply(
        c, xcb_randr_get_screen_size_range(c, st.screen->root), nullptr));
    if (!range)
        return ModeSwitch::Refused;
    const QSize desktop = desktopSizeFor(lit, QSize(range->min_width, range->min_height),
                                         QSize(range->max_width, range->max_height));
    if (!desktop.isValid())
        return ModeSwitch::NoMode;

    const int oldW = st.screen->width_in_pixels;
    const int oldH = st.screen->height_in_pixels;
    const auto resize = [&](int w, int h) {
        // Keep the dots per millimetre the server reports.
        const auto mmW = oldW > 0 ? uint32_t(st.screen->width_in_millimeters * w / oldW) : 0u;
        const auto mmH = oldH > 0 ? uint32_t(st.screen->height_in_millimeters * h / oldH) : 0u;
        std::unique_ptr<xcb_generic_error_t, FreeReply> error(xcb_request_check(
            c, xcb_randr_set_screen_size_checked(c, st.screen->root, w, h, mmW, mmH)));
        return !error;
    };

    // Grow the desktop before the CRTC needs the room; shrink it afterwards.
    const int growW = std::max(oldW, desktop.width());
    const int growH = std::max(oldH, desktop.height());
    if ((growW != oldW || growH != oldH) && !resize(growW, growH))
        return ModeSwitch::Refused;

    const auto *outputs = xcb_randr_get_crtc_info_outputs(crtc.get());
    Reply<xcb_randr_set_crtc_config_reply_t> set(xcb_randr_set_crtc_config_reply(
        c,
        xcb_randr_set_crtc_config(c, out.crtc, XCB_CURRENT_TIME, st.res.configTimestamp, crtc->x,
                                  crtc->y, chosen->id, crtc->rotation,
                                  xcb_randr_get_crtc_info_outputs_length(crtc.get()), outputs),
        nullptr));
    // A stale configuration time means the outputs or modes changed meanwhile.
    if (!set || set->status != XCB_RANDR_SET_CONFIG_SUCCESS) {
        if (growW != oldW || growH != oldH)
            resize(oldW, oldH);
        return ModeSwitch::Refused;
    }
    if (desktop.width() != growW || desktop.height() != growH)
        resize(desktop.width(), desktop.height());   // the mode is set; a bigger desktop still works
    xcb_flush(c);
    return ModeSwitch::Done;
}

} // namespace

int switchModeX11(int width, int height)
{
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
        return ModeSwitch::NoMode;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c || xcb_connection_has_error(c))
        return ModeSwitch::NotX11;

    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_randr_id);
    if (!ext || !ext->present)
        return ModeSwitch::NoRandr;
    Reply<xcb_randr_query_version_reply_t> version(xcb_randr_query_version_reply(
        c, xcb_randr_query_version(c, 1, 3), nullptr));
    if (!version || version->major_version < 1
        || (version->major_version == 1 && version->minor_version < 2))
        return ModeSwitch::NoRandr;
    const bool current = version->major_version > 1 || version->minor_version >= 3;

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QString screenName = screen ? screen->name() : QString();

    // Look on every X screen for the output named like the program's screen;
    // failing that, take the primary (or first lit) output of the first one.
    std::optional<RootState> fallback;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it)) {
        auto st = readRoot(c, it.data, current);
        if (!st)
            continue;
        const int index = chooseOutput(st->outputs, screenName, st->primary);
        if (index >= 0 && !screenName.isEmpty() && st->outputs[index].name == screenName)
            return switchOn(c, *st, index, width, height);
        if (!fallback)
            fallback = std::move(st);
    }
    if (!fallback)
        return ModeSwitch::NoRandr;
    const int index = chooseOutput(fallback->outputs, QString(), fallback->primary);
    if (index < 0)
        return ModeSwitch::NoOutput;
    return switchOn(c, *fallback, index, width, height);
}
