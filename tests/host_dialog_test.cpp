// The dialog manager model: ranges, rounding, popups, notification and missing items.
#include <gtest/gtest.h>

#include "host/dialog_model.h"
#include "host/host_impl.h"

namespace {

using qthost::Dialog;
using qthost::DialogItem;
using qthost::DialogModel;

// What the notification procedures saw.
struct Seen {
    int calls = 0;
    std::string type;
    ASInt32 id = 0;
};
Seen gSeen;

void recordNotify(ADMItemRef item, ADMNotifierRef notifier) {
    ++gSeen.calls;
    gSeen.type = reinterpret_cast<qthost::DialogNotifier*>(notifier)->type;
    gSeen.id = qthost::fromRef(item)->id();
}

ASErr buildNothing(ADMDialogRef) { return kNoErr; }

struct DialogTest : ::testing::Test {
    DialogModel model;
    Dialog* dialog =
        model.create("Test", 1, kADMFloatingDialogStyle, "Title ", 100, 50, buildNothing, nullptr);

    DialogItem* spin(int precision, double min, double max) {
        DialogItem* item = dialog->createItem(static_cast<ASInt32>(dialog->items().size()) + 10,
                                              kADMSpinEditType, {0, 0, 10, 10});
        item->setPrecision(precision);
        item->setMinimum(min);
        item->setMaximum(max);
        item->setNotifyProc(recordNotify);
        return item;
    }
    void SetUp() override { gSeen = {}; }
};

TEST_F(DialogTest, SpinEditsClampToTheirRangeAndKeepIntegersWhole) {
    struct Row {
        int precision;
        double min, max;
        AIReal typed;
        AIReal expected;
        const char* why;
    };
    const Row rows[] = {
        {0, 2, 500, 20.0f, 20.0f, "inside the range"},
        {0, 2, 500, 600.0f, 500.0f, "above the maximum"},
        {0, 2, 500, -3.0f, 2.0f, "below the minimum"},
        {0, 2, 500, 7.5f, 8.0f, "an integer field rounds, half away from zero"},
        {0, -10, 10, -2.5f, -3.0f, "negative halves round away from zero too"},
        {2, -360, 360, 12.345f, 12.345f, "a decimal field keeps the value"},
        {2, 3, 120, 0.5f, 3.0f, "a decimal field clamps"},
        {0, 2, 0, 5.0f, 5.0f, "a range with min above max does not clamp"},
    };
    for (const Row& row : rows) {
        DialogItem* item = spin(row.precision, row.min, row.max);
        gSeen = {};
        EXPECT_TRUE(DialogModel::userSetFloat(item, row.typed)) << row.why;
        EXPECT_FLOAT_EQ(item->floatValue(), row.expected) << row.why;
        EXPECT_EQ(gSeen.calls, 1) << row.why << ": a user change runs the procedure";
        EXPECT_EQ(gSeen.type, kADMUserChangedNotifier) << row.why;
    }
}

TEST_F(DialogTest, ThePlugInsOwnSetsAreClampedButNotifyNothing) {
    DialogItem* item = spin(0, 0, 16);
    item->setIntValue(20);
    EXPECT_EQ(item->intValue(), 16) << "a document with 16 swatches caps the swatch field";
    item->setMaximum(0);
    EXPECT_EQ(item->intValue(), 0) << "a lower maximum pulls the value down";
    EXPECT_EQ(gSeen.calls, 0);
}

TEST_F(DialogTest, PopupsAcceptOnlyExistingEntries) {
    DialogItem* popup = dialog->createItem(21, kADMPopupListType, {0, 0, 150, 20});
    popup->setNotifyProc(recordNotify);
    for (int i = 0; i < 3; ++i) {
        qthost::PopupEntry* e = popup->insertEntry(i);
        e->text = "entry " + std::to_string(i);
        e->id = 100 + i;
    }
    EXPECT_EQ(popup->activeIndex(), -1) << "nothing selected until something is";
    EXPECT_FALSE(DialogModel::userSelectEntry(popup, 3));
    EXPECT_FALSE(DialogModel::userSelectEntry(popup, -1));
    EXPECT_EQ(gSeen.calls, 0) << "a refused selection notifies nothing";
    EXPECT_TRUE(DialogModel::userSelectEntry(popup, 2));
    EXPECT_EQ(popup->activeEntry()->id, 102);
    EXPECT_EQ(popup->intValue(), 2) << "a popup reads as its active index";
    EXPECT_EQ(gSeen.calls, 1);
    EXPECT_EQ(gSeen.id, 21);
    popup->insertEntry(0);
    EXPECT_EQ(popup->activeEntry()->id, 102) << "inserting before the active entry keeps it active";
    EXPECT_FALSE(DialogModel::userSetFloat(popup, 1.0f)) << "a popup takes no typed number";
}

TEST_F(DialogTest, ButtonsAndCheckBoxes) {
    DialogItem* button = dialog->createItem(3, kADMTextPushButtonType, {0, 0, 80, 20});
    DialogItem* check = dialog->createItem(4, kADMTextCheckBoxType, {0, 0, 80, 14});
    button->setNotifyProc(recordNotify);
    check->setNotifyProc(recordNotify);
    EXPECT_TRUE(DialogModel::userClick(button));
    EXPECT_FALSE(DialogModel::userClick(check)) << "only push buttons are clicked";
    EXPECT_TRUE(DialogModel::userSetBool(check, true));
    EXPECT_TRUE(check->boolValue());
    EXPECT_EQ(gSeen.calls, 2);
    DialogModel::userMoveDialog(dialog, {5, 6, 105, 56});
    EXPECT_EQ(dialog->bounds().left, 5);
    EXPECT_EQ(gSeen.calls, 2) << "moving the palette notifies nothing";
}

TEST(HostDialogSuites, AMissingItemIsNullAndEveryOperationOnItIsHarmless) {
    qthost::Host host;
    const void* d = nullptr;
    const void* i = nullptr;
    ASSERT_EQ(qthost::basicSuite()->AcquireSuite(kADMDialogSuite, kADMDialogSuiteVersion, &d), kNoErr);
    ASSERT_EQ(qthost::basicSuite()->AcquireSuite(kADMItemSuite, kADMItemSuiteVersion, &i), kNoErr);
    const auto* dialogs = static_cast<const ADMDialogSuite*>(d);
    const auto* items = static_cast<const ADMItemSuite*>(i);
    ADMDialogRef dialog = dialogs->Create(nullptr, "Palette", 16201, 3, buildNothing, nullptr, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(host.dialogs().find("Palette")->title(), "") << "no resource file: an empty title";
    ADMItemRef missing = dialogs->GetItem(dialog, 299);
    EXPECT_EQ(missing, nullptr);
    items->SetBooleanValue(missing, 1);
    items->Show(missing, 0);
    items->SendNotify(missing, kADMUserChangedNotifier);
    EXPECT_EQ(items->GetBooleanValue(missing), 0);
    EXPECT_EQ(items->GetIntValue(missing), 0);
    EXPECT_EQ(items->GetList(missing), nullptr);
    EXPECT_EQ(items->GetDialog(missing), nullptr);
}

// A user's change at one host's palette runs the plug-in's procedure with that host serving
// its calls, whichever host was active before; reading a host's dialogs changes nothing.
qthost::Host::Impl* gServing = nullptr;
void recordServingHost(ADMItemRef, ADMNotifierRef) { gServing = qthost::activeHost(); }

TEST(HostDialogSuites, AUserChangeRunsAtTheHostWhosePaletteItIs) {
    qthost::Host first;
    qthost::Host::Impl* firstImpl = qthost::activeHost();
    Dialog* palette =
        first.dialogs().create("Palette", 1, kADMFloatingDialogStyle, "", 100, 50, buildNothing, nullptr);
    DialogItem* check = palette->createItem(4, kADMTextCheckBoxType, {0, 0, 80, 14});
    check->setNotifyProc(recordServingHost);

    qthost::Host second;
    qthost::Host::Impl* secondImpl = qthost::activeHost();
    ASSERT_NE(firstImpl, secondImpl);
    first.dialogs();
    EXPECT_EQ(qthost::activeHost(), secondImpl) << "reading the dialogs chooses no host";

    gServing = nullptr;
    ASSERT_TRUE(DialogModel::userSetBool(check, true));
    EXPECT_EQ(gServing, firstImpl);
    EXPECT_EQ(qthost::activeHost(), firstImpl);

    gServing = nullptr;
    DialogModel model;  // a model outside any host has no host to choose
    Dialog* loose = model.create("Loose", 1, kADMFloatingDialogStyle, "", 10, 10, buildNothing, nullptr);
    DialogItem* button = loose->createItem(3, kADMTextPushButtonType, {0, 0, 80, 20});
    button->setNotifyProc(recordServingHost);
    ASSERT_TRUE(DialogModel::userClick(button));
    EXPECT_EQ(gServing, firstImpl) << "the active host stays";
}

}  // namespace
