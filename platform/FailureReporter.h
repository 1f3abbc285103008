#pragma once

#include <QString>

class QWidget;

namespace pelmora {

// Tells the user that an action could not be carried out. The program goes on afterwards;
// tests put a recorder in place of the message box.
class FailureReporter {
public:
    FailureReporter() = default;
    FailureReporter(const FailureReporter&) = delete;
    FailureReporter& operator=(const FailureReporter&) = delete;
    FailureReporter(FailureReporter&&) = delete;
    FailureReporter& operator=(FailureReporter&&) = delete;
    virtual ~FailureReporter() = default;

    // Returns once the user has been told; `window` is the window the failure happened in,
    // `title` says in a few words what could not be done.
    virtual void report(QWidget* window, const QString& title, const QString& message) = 0;
};

} // namespace pelmora
