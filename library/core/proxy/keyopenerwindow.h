#ifndef KEYOPENERWINDOW_H
#define KEYOPENERWINDOW_H

#include "ikeyopenerwindow.h"

// Lets a view window (any widget with the bus signal deliverRequest) open a
// key: DocumentKeyOpener(key).open(KeyOpenerWindow(this), AskPasscode). Made
// on the stack for one opening; the window must outlive it.
template <class Window>
class KeyOpenerWindow final : public IKeyOpenerWindow
{
public:
    explicit KeyOpenerWindow(Window *window)
        : m_window(window)
    {
    }

    QWidget *widget() const override { return m_window; }

    void deliverRequest(common::Opcode majorOpcode, common::Opcode minorOpcode,
                        const std::string &request) const override
    {
        emit m_window->deliverRequest(majorOpcode, minorOpcode, request);
    }

private:
    Window *const m_window;
};

#endif // KEYOPENERWINDOW_H
