#include "shell/randr_display_settings.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names, so X11 comes after every Qt header.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <memory>

namespace {

using ConfigurationPtr = std::unique_ptr<XRRScreenConfiguration, decltype(&XRRFreeScreenConfigInfo)>;

ConfigurationPtr screenConfiguration(Display* display)
{
    return ConfigurationPtr(XRRGetScreenInfo(display, DefaultRootWindow(display)),
                            &XRRFreeScreenConfigInfo);
}

int rootDepth(Display* display)
{
    return DefaultDepth(display, DefaultScreen(display));
}

// A refused change arrives as an X protocol error; Xlib's default handler
// would end the program, so errors are counted while a change is made.
int protocolErrors = 0;

int countProtocolError(Display*, XErrorEvent*)
{
    ++protocolErrors;
    return 0;
}

}  // namespace

RandrDisplaySettings::RandrDisplaySettings()
{
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        display_ = x11->display();
    if (!display_) {
        display_ = XOpenDisplay(nullptr);
        ownsDisplay_ = display_ != nullptr;
    }
    int eventBase = 0;
    int errorBase = 0;
    hasRandr_ = display_ && XRRQueryExtension(display_, &eventBase, &errorBase);
}

RandrDisplaySettings::~RandrDisplaySettings()
{
    restore();
    if (ownsDisplay_)
        XCloseDisplay(display_);
}

std::vector<ScreenMode> RandrDisplaySettings::availableModes()
{
    std::vector<ScreenMode> modes;
    if (!hasRandr_)
        return modes;
    const ConfigurationPtr config = screenConfiguration(display_);
    if (!config)
        return modes;
    const int depth = rootDepth(display_);
    int sizeCount = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config.get(), &sizeCount);
    for (int i = 0; i < sizeCount; ++i) {
        int rateCount = 0;
        const short* rates = XRRConfigRates(config.get(), i, &rateCount);
        if (rateCount == 0)
            modes.push_back({sizes[i].width, sizes[i].height, depth, 0});
        for (int r = 0; r < rateCount; ++r)
            modes.push_back({sizes[i].width, sizes[i].height, depth, rates[r]});
    }
    return modes;
}

bool RandrDisplaySettings::changeTo(const ScreenMode& mode)
{
    if (!hasRandr_ || mode.bitsPerPixel != rootDepth(display_))
        return false;
    const ConfigurationPtr config = screenConfiguration(display_);
    if (!config)
        return false;
    int sizeCount = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config.get(), &sizeCount);
    for (int i = 0; i < sizeCount; ++i) {
        if (sizes[i].width != mode.width || sizes[i].height != mode.height)
            continue;
        // The requested refresh rate when the size offers it; otherwise the
        // size's first rate, so flat panels without 70/75 Hz still switch.
        int rateCount = 0;
        const short* rates = XRRConfigRates(config.get(), i, &rateCount);
        short rate = rateCount > 0 ? rates[0] : 0;
        for (int r = 0; r < rateCount; ++r) {
            if (rates[r] == mode.refreshRate)
                rate = rates[r];
        }
        Rotation rotation = 0;
        const SizeID current = XRRConfigCurrentConfiguration(config.get(), &rotation);
        const Configuration before{current, rotation, XRRConfigCurrentRate(config.get())};
        if (!setConfiguration({i, rotation, rate}))
            return false;
        if (!original_)
            original_ = before;
        return true;
    }
    return false;
}

void RandrDisplaySettings::restore()
{
    if (original_ && setConfiguration(*original_))
        original_.reset();
}

bool RandrDisplaySettings::setConfiguration(const Configuration& configuration)
{
    const ConfigurationPtr config = screenConfiguration(display_);
    if (!config)
        return false;
    protocolErrors = 0;
    XErrorHandler previous = XSetErrorHandler(countProtocolError);
    const Status status = configuration.rate > 0
        ? XRRSetScreenConfigAndRate(display_, config.get(), DefaultRootWindow(display_),
                                    configuration.sizeIndex, configuration.rotation,
                                    configuration.rate, CurrentTime)
        : XRRSetScreenConfig(display_, config.get(), DefaultRootWindow(display_),
                             configuration.sizeIndex, configuration.rotation, CurrentTime);
    XSync(display_, False);
    XSetErrorHandler(previous);
    return status == RRSetConfigSuccess && protocolErrors == 0;
}

ScreenSize RandrDisplaySettings::screenSize()
{
    if (!display_)
        return {};
    if (hasRandr_) {
        if (const ConfigurationPtr config = screenConfiguration(display_)) {
            Rotation rotation = 0;
            const SizeID current = XRRConfigCurrentConfiguration(config.get(), &rotation);
            int sizeCount = 0;
            const XRRScreenSize* sizes = XRRConfigSizes(config.get(), &sizeCount);
            if (current < sizeCount)
                return {sizes[current].width, sizes[current].height};
        }
    }
    const int screen = DefaultScreen(display_);
    return {DisplayWidth(display_, screen), DisplayHeight(display_, screen)};
}
