#pragma once

#include "platform/FailureReporter.h"

namespace pelmora {

// Shows the failure in a modal warning box over its window.
class MessageBoxReporter final : public FailureReporter {
public:
    void report(QWidget* window, const QString& title, const QString& message) override;
};

} // namespace pelmora
