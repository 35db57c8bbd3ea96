#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "framework/cmd_target.h"
#include "framework/dialog.h"

namespace {

constexpr UINT kSave = 100;
constexpr UINT kOpen = 101;
constexpr UINT kTable = 102;

struct Base : CCmdTarget {
    std::string ran;

    const MessageTable& GetMessageTable() const override { return table; }
    static const MessageEntry entries[];
    static const MessageTable table;

    void Save() { ran = "base save"; }
    void Open() { ran = "base open"; }
    LRESULT Paint(WPARAM, LPARAM) { return 0; }
    LRESULT Changed(NMHDR&) { return 0; }
    void UpdateOpen(CCmdUI&) {}
};

const MessageEntry Base::entries[] = {
    on::Command(kSave, BN_CLICKED, &Base::Save),
    on::Command(kOpen, BN_CLICKED, &Base::Open),
    on::Message(WM_PAINT, &Base::Paint),
    on::Notify(kTable, LVN_ITEMCHANGED, &Base::Changed),
    on::CommandUpdate(kOpen, &Base::UpdateOpen),
};
const MessageTable Base::table{&CCmdTarget::messageTable, entries};

struct Derived : Base {
    const MessageTable& GetMessageTable() const override { return table; }
    static const MessageEntry entries[];
    static const MessageTable table;

    void SaveDifferently() { ran = "derived save"; }
    LRESULT Colour(WPARAM, LPARAM) { return 0; }
};

const MessageEntry Derived::entries[] = {
    on::Command(kSave, BN_CLICKED, &Derived::SaveDifferently),
    on::Reflected(WM_CTLCOLORSTATIC, &Derived::Colour),
};
const MessageTable Derived::table{&Base::table, entries};

struct Lookup {
    const char* name;
    MessageKey key;
    const MessageEntry* found;
};

class MessageTableLookupTest : public testing::TestWithParam<Lookup> {};

TEST_P(MessageTableLookupTest, FindsTheClassEntryThenTheBaseEntry) {
    EXPECT_EQ(Derived::table.Find(GetParam().key), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MessageTableLookupTest,
    testing::Values(
        Lookup{"OwnEntryShadowsBase", MessageKey::ForCommand(kSave, BN_CLICKED),
               &Derived::entries[0]},
        Lookup{"BaseEntryWhenNoOwn", MessageKey::ForCommand(kOpen, BN_CLICKED), &Base::entries[1]},
        Lookup{"CommandCodeMustMatch", MessageKey::ForCommand(kOpen, BN_DOUBLECLICKED), nullptr},
        Lookup{"WindowMessage", MessageKey::ForMessage(WM_PAINT), &Base::entries[2]},
        Lookup{"ReflectedIsNotOwnMessage", MessageKey::ForReflected(WM_PAINT), nullptr},
        Lookup{"OwnMessageIsNotReflected", MessageKey::ForMessage(WM_CTLCOLORSTATIC), nullptr},
        Lookup{"Reflected", MessageKey::ForReflected(WM_CTLCOLORSTATIC), &Derived::entries[1]},
        Lookup{"Notify", MessageKey::ForNotify(kTable, LVN_ITEMCHANGED), &Base::entries[3]},
        Lookup{"NotifyIdMustMatch", MessageKey::ForNotify(kOpen, LVN_ITEMCHANGED), nullptr},
        Lookup{"CommandUpdate", MessageKey::ForCommandUpdate(kOpen), &Base::entries[4]},
        Lookup{"CommandIsNoCommandUpdate", MessageKey::ForCommandUpdate(kSave), nullptr}),
    [](const testing::TestParamInfo<Lookup>& info) { return info.param.name; });

TEST(MessageTableTest, BaseTableAloneKnowsNothingOfDerivedEntries) {
    EXPECT_EQ(Base::table.Find(MessageKey::ForCommand(kSave, BN_CLICKED)), &Base::entries[0]);
    EXPECT_EQ(Base::table.Find(MessageKey::ForReflected(WM_CTLCOLORSTATIC)), nullptr);
}

TEST(MessageTableTest, CommandRunsTheHandlerOfTheObjectsOwnClassFirst) {
    Derived derived;
    EXPECT_TRUE(derived.OnCmdMsg(kSave, BN_CLICKED));
    EXPECT_EQ(derived.ran, "derived save");
    EXPECT_TRUE(derived.OnCmdMsg(kOpen, BN_CLICKED));
    EXPECT_EQ(derived.ran, "base open");
    EXPECT_FALSE(derived.OnCmdMsg(kTable, BN_CLICKED));
    EXPECT_EQ(derived.ran, "base open");
}

}  // namespace
