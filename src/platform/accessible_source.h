// Where a control's spoken texts come from: the owner of the control answers screen readers' three
// questions, in plain text, and leaves every other one to the system.
#pragma once

namespace tintora::platform {

enum class AccessibleField { Name, Value, Description };

class AccessibleSource {
public:
    // Writes the control's text for the field into text (size characters with the NUL) and answers
    // true, or answers false to leave the standard answer. Called from the window procedure.
    virtual bool AccessibleText(int controlId, AccessibleField field, wchar_t* text, int size) noexcept = 0;

protected:
    ~AccessibleSource() = default;
};

} // namespace tintora::platform
