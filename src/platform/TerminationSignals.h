#pragma once

#include <QObject>

// Turns the signals that end a session (SIGTERM, SIGINT, SIGHUP) into a Qt
// signal on the main thread, so that a program leaves through its normal
// shutdown and nothing is lost. Does nothing where such signals do not exist.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void drain();
};
