#pragma once

#include <string>

class CWnd;

// One exchange between a dialog's members and its controls: a push (members
// to controls) or a pull (controls to members).
class CDataExchange {
public:
    CDataExchange(const CWnd& dialog, bool saveAndValidate)
        : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

    // Lets control take over the dialog item, at the first exchange; later
    // exchanges leave the binding alone.
    void Control(int id, CWnd& control);
    // Pull: value takes the item's text. Push: the item takes value, but only
    // when it shows something else, so that pushing the same text leaves an
    // edit box's modified flag as it was.
    void Text(int id, std::string& value);

private:
    const CWnd& dialog_;
    bool saveAndValidate_;
};
