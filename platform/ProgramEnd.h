#pragma once

namespace pelmora {

// Ends the whole program at once: nothing more is asked or handled.
class ProgramEnd {
public:
    ProgramEnd() = default;
    ProgramEnd(const ProgramEnd&) = delete;
    ProgramEnd& operator=(const ProgramEnd&) = delete;
    ProgramEnd(ProgramEnd&&) = delete;
    ProgramEnd& operator=(ProgramEnd&&) = delete;
    virtual ~ProgramEnd() = default;

    // Returns to the caller; the program ends as soon as the event being handled is done.
    virtual void end() = 0;
};

// Leaves the event loop with status 0, so the windows are destroyed as main() returns.
class ApplicationEnd final : public ProgramEnd {
public:
    void end() override;
};

} // namespace pelmora
