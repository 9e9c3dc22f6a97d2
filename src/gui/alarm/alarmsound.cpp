#include "gui/alarm/alarmsound.h"

#include "core/clocks/alarm.h"
#include "core/system/applicationid.h"

#include <QApplication>
#include <canberra.h>

namespace {
// How often a ringing alarm looks whether its sound has ended. The sound
// lasts about 6 s: a second more or less between two is not heard.
constexpr int TickMSecs = 500;
// The quiet between two plays of the sound, and between two X bells.
constexpr int PauseMSecs = 1000;
constexpr int BellMSecs = 2000;
// Any id does: the context plays one sound at a time.
constexpr std::uint32_t SoundId = 1;
} // namespace

struct TAlarmSound::TContext
{
    ca_context *Handle = nullptr;
    ~TContext()
    {
        if (Handle != nullptr)
            ca_context_destroy(Handle); // ends the sound server's threads
    }
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
        auto context = std::make_unique<TContext>();
        if (ca_context_create(&context->Handle) != CA_SUCCESS)
            return false;
        const QByteArray name = QApplication::applicationDisplayName().toUtf8();
        const QByteArray id = ApplicationId.toString().toUtf8();
        ca_context_change_props(context->Handle, CA_PROP_APPLICATION_NAME, name.constData(),
                                CA_PROP_APPLICATION_ID, id.constData(),
                                CA_PROP_APPLICATION_ICON_NAME, id.constData(), nullptr);
        if (ca_context_open(context->Handle) != CA_SUCCESS)
            return false;
        FContext = std::move(context);
    }
    const QByteArray description = tr("Alarm").toUtf8();
    // "alarm" is the role the sound server gives alarms (volume, routing).
    return ca_context_play(FContext->Handle, SoundId, CA_PROP_EVENT_ID, "alarm-clock-elapsed",
                           CA_PROP_EVENT_DESCRIPTION, description.constData(), CA_PROP_MEDIA_ROLE,
                           "alarm", nullptr) == CA_SUCCESS;
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
    if (ca_context_playing(FContext->Handle, SoundId, &playing) != CA_SUCCESS || playing != 0)
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
