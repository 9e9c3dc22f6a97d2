#include "gui/alarm/alarmsound.h"

#include "core/clocks/alarm.h"
#include "core/system/applicationid.h"

#include <QApplication>
#include <QLibrary>
#include <canberra.h>
#include <optional>
#include <type_traits>

namespace {
// How often a ringing alarm looks whether its sound has ended. The sound
// lasts about 6 s: a second more or less between two is not heard.
constexpr int TickMSecs = 500;
// The quiet between two plays of the sound, and between two X bells.
constexpr int PauseMSecs = 1000;
constexpr int BellMSecs = 2000;
// Any id does: the context plays one sound at a time.
constexpr std::uint32_t SoundId = 1;

// libcanberra, opened at the first ring rather than at start: with the codecs
// and the cache it brings it is a third of a megabyte of every session's
// memory, for a sound most runs never play.
struct TCanberra
{
    decltype(&ca_context_create) Create = nullptr;
    decltype(&ca_context_destroy) Destroy = nullptr;
    decltype(&ca_context_change_props) ChangeProps = nullptr;
    decltype(&ca_context_open) Open = nullptr;
    decltype(&ca_context_play) Play = nullptr;
    decltype(&ca_context_playing) Playing = nullptr;

    // Null where the library is missing: the X bell rings instead.
    static const TCanberra *Get()
    {
        static const std::optional<TCanberra> api = []() -> std::optional<TCanberra> {
            QLibrary library(QStringLiteral("canberra"), 0);
            if (!library.load())
                return std::nullopt;
            const auto resolve = [&library](auto &function, const char *name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                    library.resolve(name));
                return function != nullptr;
            };
            TCanberra c;
            if (!resolve(c.Create, "ca_context_create") ||
                !resolve(c.Destroy, "ca_context_destroy") ||
                !resolve(c.ChangeProps, "ca_context_change_props") ||
                !resolve(c.Open, "ca_context_open") || !resolve(c.Play, "ca_context_play") ||
                !resolve(c.Playing, "ca_context_playing"))
                return std::nullopt;
            return c; // the library stays loaded: QLibrary unloads only when told
        }();
        return api ? &*api : nullptr;
    }
};
} // namespace

struct TAlarmSound::TContext
{
    const TCanberra &Api;
    ca_context *Handle = nullptr;
    explicit TContext(const TCanberra &api) : Api(api) {}
    ~TContext()
    {
        if (Handle != nullptr)
            Api.Destroy(Handle); // ends the sound server's threads
    }
    TContext(const TContext &) = delete;
    TContext &operator=(const TContext &) = delete;
};

TAlarmSound::TAlarmSound(QObject *parent) : QObject(parent)
{
    FTimer.setInterval(TickMSecs);
    connect(&FTimer, &QTimer::timeout, this, &TAlarmSound::Tick);
}

TAlarmSound::~TAlarmSound() = default;

void TAlarmSound::Start()
{
    Stop();
    FSince.start();
    FPausedSince = -1;
    if (!Play()) {
        // The last resort: heard on some desktops, and the box is up anyway.
        CloseContext();
        QApplication::beep();
        FTimer.setInterval(BellMSecs);
    } else {
        FTimer.setInterval(TickMSecs);
    }
    FTimer.start();
}

void TAlarmSound::Stop()
{
    FTimer.stop();
    CloseContext();
}

bool TAlarmSound::Play()
{
    if (FContext == nullptr) {
        const TCanberra *api = TCanberra::Get();
        if (api == nullptr)
            return false;
        auto context = std::make_unique<TContext>(*api);
        if (api->Create(&context->Handle) != CA_SUCCESS)
            return false;
        const QByteArray name = QApplication::applicationDisplayName().toUtf8();
        const QByteArray id = ApplicationId.toString().toUtf8();
        api->ChangeProps(context->Handle, CA_PROP_APPLICATION_NAME, name.constData(),
                         CA_PROP_APPLICATION_ID, id.constData(), CA_PROP_APPLICATION_ICON_NAME,
                         id.constData(), nullptr);
        if (api->Open(context->Handle) != CA_SUCCESS)
            return false;
        FContext = std::move(context);
    }
    const QByteArray description = tr("Alarm").toUtf8();
    // "alarm" is the role the sound server gives alarms (volume, routing).
    return FContext->Api.Play(FContext->Handle, SoundId, CA_PROP_EVENT_ID, "alarm-clock-elapsed",
                              CA_PROP_EVENT_DESCRIPTION, description.constData(),
                              CA_PROP_MEDIA_ROLE, "alarm", nullptr) == CA_SUCCESS;
}

void TAlarmSound::CloseContext()
{
    FContext.reset();
}

void TAlarmSound::Tick()
{
    const qint64 elapsed = FSince.elapsed();
    if (elapsed >= qint64{RingingLimitSeconds} * 1000) {
        Stop();
        Q_EMIT Silenced();
        return;
    }
    if (FContext == nullptr) {
        QApplication::beep();
        return;
    }
    int playing = 0;
    if (FContext->Api.Playing(FContext->Handle, SoundId, &playing) != CA_SUCCESS || playing != 0)
        return;
    if (FPausedSince < 0) {
        FPausedSince = elapsed;
        return;
    }
    if (elapsed - FPausedSince < PauseMSecs)
        return;
    FPausedSince = -1;
    if (!Play()) {
        // The sound server went away while ringing: the bell carries on.
        CloseContext();
        FTimer.setInterval(BellMSecs);
        QApplication::beep();
    }
}
