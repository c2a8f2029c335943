// SPDX-License-Identifier: GPL-3.0-or-later
#include "WarningSound.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#if LETTRO_HAVE_CANBERRA
#include <canberra.h>
#include <dlfcn.h>
#endif

namespace ui {

namespace {
#if LETTRO_HAVE_CANBERRA
// ALSA reports a missing card on stderr from inside libcanberra; the player cannot act
// on that, so ALSA's messages go nowhere. libasound is loaded by libcanberra's ALSA
// driver anyway; this only makes sure the quiet handler is in place first.
void QuietAlsaMessages(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsa()
{
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa)
        return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(&QuietAlsaMessages);
    // The library stays loaded: the handler must outlive every later ALSA call.
}
#endif
} // namespace

struct WarningSound::Theme {
#if LETTRO_HAVE_CANBERRA
    ca_context* context = nullptr;
    ~Theme()
    {
        if (context)
            ca_context_destroy(context);
    }
#endif
};

bool SoundOutputPresent()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && (QFileInfo::exists(runtime + QStringLiteral("/pulse/native")) ||
                               QFileInfo::exists(runtime + QStringLiteral("/pipewire-0"))))
        return true;
    // ALSA playback devices are named pcmC<card>D<device>p.
    const QDir snd(QStringLiteral("/dev/snd"));
    return !snd.entryList({QStringLiteral("pcmC*D*p")}, QDir::System).isEmpty();
}

WarningSound::WarningSound(bool lookForOutput)
    : m_theme(std::make_unique<Theme>()), m_lookForOutput(lookForOutput)
{
}

WarningSound::~WarningSound() = default;

bool WarningSound::openTheme()
{
#if LETTRO_HAVE_CANBERRA
    // Opened on the first sound only: a game that never beeps never touches the sound system.
    if (!m_triedTheme) {
        m_triedTheme = true;
        if (m_lookForOutput && !SoundOutputPresent())
            return false;
        SilenceAlsa();
        ca_context* context = nullptr;
        if (ca_context_create(&context) != CA_SUCCESS)
            return false;
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Lettro",
                                CA_PROP_APPLICATION_ID, "org.penwick.Lettro", nullptr);
        if (ca_context_open(context) != CA_SUCCESS) {
            ca_context_destroy(context);
            return false;
        }
        m_theme->context = context;
    }
    return m_theme->context != nullptr;
#else
    return false;
#endif
}

void WarningSound::play()
{
#if LETTRO_HAVE_CANBERRA
    if (openTheme() &&
        ca_context_play(m_theme->context, 0, CA_PROP_EVENT_ID, "dialog-warning",
                        CA_PROP_EVENT_DESCRIPTION, "Rejected", nullptr) == CA_SUCCESS)
        return;
#endif
    QApplication::beep();
}

} // namespace ui
