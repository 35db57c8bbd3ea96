#pragma once

#include "framework/controls.h"

// The family table's columns. The Lot # text is also where the days pass
// and Update Days read each row's lot from.
constexpr int kNameColumn = 0;
constexpr int kLotColumn = 1;
constexpr int kDaysColumn = 2;

struct FamilyColumnWidths {
    int name;
    int lot;
    int days;
};

// Splits the width in sixths: half for the name, a sixth for the lot, the
// rest, with what the division leaves over, for the days.
FamilyColumnWidths SplitColumnWidths(int width);

// The family table's list view. An empty table says so in its own
// background, so that an empty neighbourhood does not look like a failure
// to draw.
class CFamilyListCtrl : public CListCtrl {
protected:
    const MessageTable& GetMessageTable() const override;
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    LRESULT OnEraseBkgnd(WPARAM dc, LPARAM);
};
