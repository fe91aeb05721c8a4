#pragma once

#include "speech/TextToSpeech.h"

#include <QStringList>

// A speech component that only writes down what it is told, into a log the test reads:
// "stop", "speak <text>", "settings owner|none <title>".
class FakeSpeech final : public speech::TextToSpeech
{
public:
    explicit FakeSpeech(QStringList &log) : m_log(log) {}

    void stop() override;
    void speak(const QString &text) override;
    int32_t state() const override { return current; }
    void showSettings(QWidget *owner, const QString &title) override;
    void setRouteReadings(const QString &file) override { routeReadings = file; }

    // The texts spoken so far, in order.
    static QStringList spoken(const QStringList &log);

    // The state that the next speak leaves behind.
    int32_t stateAfterSpeak = Speaking;
    QString routeReadings;
    int32_t current = Idle;

private:
    QStringList &m_log;
};
