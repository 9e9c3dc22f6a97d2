// The ringing alarm's sound: the sound theme's "alarm-clock-elapsed" played
// through libcanberra (PulseAudio or PipeWire's PulseAudio service, else
// ALSA), again and again until stopped or until RingingLimitSeconds pass.
// Where no sound can be played the X bell rings instead. Between alarms there
// is no sound connection, thread or timer at all.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

class TAlarmSound : public QObject
{
    Q_OBJECT

public:
    explicit TAlarmSound(QObject *parent = nullptr);
    ~TAlarmSound() override;

    // Starts ringing (from the beginning of the limit again when it rings).
    void Start();
    void Stop();
    bool Ringing() const { return FTimer.isActive(); }
    // The X bell stands in: no sound could be played.
    bool Belling() const { return Ringing() && FContext == nullptr; }

Q_SIGNALS:
    // The limit passed with nobody answering.
    void Silenced();

private:
    void Tick();
    bool Play();
    void CloseContext();

    struct TContext;
    std::unique_ptr<TContext> FContext; // the sound connection while ringing
    QTimer FTimer;                      // runs only while ringing
    QElapsedTimer FSince;
    qint64 FPausedSince = -1; // when the sound last ended, ms into the ringing
};
