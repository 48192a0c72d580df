#ifndef CLIENTPROGRAM_H
#define CLIENTPROGRAM_H

#include <QProcess>
#include <QTemporaryDir>

// The real client program, started as a user would start it but with a home
// of its own: its settings point it at the given server, and whatever it
// writes (settings, dictionaries, caches) stays in a temporary folder that
// goes when this does.
class ClientProgram
{
public:
    ClientProgram();
    ~ClientProgram();

    ClientProgram(const ClientProgram &) = delete;
    ClientProgram &operator=(const ClientProgram &) = delete;

    bool start(unsigned short serverPort);
    bool isRunning() const;
    // Waits for the program to end by itself; false when it did not.
    bool waitForExit(int timeoutMs);
    // Ends it when it is still running.
    void stop();

    qint64 processId() const;
    int exitCode() const;
    QProcess::ExitStatus exitStatus() const;
    // Everything it wrote to its standard error stream so far.
    QByteArray errors();
    // True when a sanitizer reported a fault in the program.
    bool sanitizerReported();

private:
    QTemporaryDir m_home;
    QProcess m_process;
    QByteArray m_errors;
};

#endif // CLIENTPROGRAM_H
