// The host's dialog manager model: dialogs and their items as the ADM suites build them, with
// every property kept so that tests, the command line and the playground can read and draw
// them, and user-level changes that run the items' notification procedures.
#ifndef QT_HOST_DIALOGMODEL_H
#define QT_HOST_DIALOGMODEL_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sdk/quen_tarb_sdk.h"

namespace qthost {

class Dialog;
class DialogItem;
class DialogModel;

struct PopupEntry {
    DialogItem* owner = nullptr;
    std::string text;
    ASInt32 id = 0;
};

// The record handed to a notification procedure (an ADMNotifierRef points at one).
struct DialogNotifier {
    DialogItem* item = nullptr;
    std::string type;
};

class DialogItem {
  public:
    DialogItem(Dialog* dialog, ASInt32 id, std::string type, ADMRect bounds);

    Dialog* dialog() const { return dialog_; }
    ASInt32 id() const { return id_; }
    const std::string& type() const { return type_; }
    bool isSpinEdit() const;
    bool isPopup() const;
    bool isCheckBox() const;
    bool isPushButton() const;

    ADMRect bounds() const { return bounds_; }
    const std::string& text() const { return text_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    ASInt32 units() const { return units_; }
    ASInt32 precision() const { return precision_; }
    double minimum() const { return min_; }
    double maximum() const { return max_; }
    // A spin edit's value read as an integer (rounded), a float, or a check box's state. A
    // popup reads as the index of its active entry.
    ASInt32 intValue() const;
    AIReal floatValue() const;
    bool boolValue() const;
    ADMItemNotifyProc notifyProc() const { return notify_; }

    // Popup entries in list order and the active one (-1: none).
    const std::vector<std::unique_ptr<PopupEntry>>& entries() const { return entries_; }
    int activeIndex() const { return active_; }
    const PopupEntry* activeEntry() const;
    int indexOf(const PopupEntry* entry) const;

    // ---- What the ADM suites do (the plug-in's side) ----
    void setText(std::string text) { text_ = std::move(text); }
    void show(bool on) { visible_ = on; }
    void enable(bool on) { enabled_ = on; }
    void setUnits(ASInt32 units) { units_ = units; }
    void setPrecision(ASInt32 decimals) { precision_ = decimals; }
    void setMinimum(double value);
    void setMaximum(double value);
    // Spin edits clamp to their range and keep integers whole; popups select by index.
    void setIntValue(ASInt32 value);
    void setFloatValue(AIReal value);
    void setBoolValue(bool value);
    void setNotifyProc(ADMItemNotifyProc proc) { notify_ = proc; }
    PopupEntry* insertEntry(int index);
    PopupEntry* entryAt(int index) const;
    bool selectEntry(int index);
    void clearSelection() { active_ = -1; }
    // Runs the notification procedure with a notifier of `type` (default handling when none).
    void notify(const char* type);

  private:
    void setNumber(double value);

    Dialog* dialog_;
    ASInt32 id_;
    std::string type_;
    ADMRect bounds_;
    std::string text_;
    bool visible_ = true;
    bool enabled_ = true;
    ASInt32 units_ = kADMNoUnits;
    ASInt32 precision_ = 0;
    double min_ = -2147483648.0;
    double max_ = 2147483647.0;
    double number_ = 0.0;
    bool bool_ = false;
    std::vector<std::unique_ptr<PopupEntry>> entries_;
    int active_ = -1;
    ADMItemNotifyProc notify_ = nullptr;
};

class Dialog {
  public:
    Dialog(std::string name, ASInt32 resourceID, ASInt32 style, std::string title, ADMRect bounds,
           const DialogModel* model = nullptr);

    const DialogModel* model() const { return model_; }

    const std::string& name() const { return name_; }
    ASInt32 resourceID() const { return resourceID_; }
    ASInt32 style() const { return style_; }
    ADMRect bounds() const { return bounds_; }
    ASInt32 width() const { return bounds_.right - bounds_.left; }
    ASInt32 height() const { return bounds_.bottom - bounds_.top; }
    const std::string& title() const { return title_; }
    bool visible() const { return visible_; }
    const std::vector<ADMIconRef>& icons() const { return icons_; }
    void* userData() const { return userData_; }

    // Items in creation order; null for a missing id.
    const std::vector<std::unique_ptr<DialogItem>>& items() const { return items_; }
    DialogItem* item(ASInt32 id) const;

    // ---- What the ADM suites do ----
    DialogItem* createItem(ASInt32 id, const char* type, const ADMRect& bounds);
    void setBounds(const ADMRect& bounds) { bounds_ = bounds; }
    void resize(ASInt32 width, ASInt32 height);  // keeps the top-left corner
    void setTitle(std::string title) { title_ = std::move(title); }
    void show(bool on) { visible_ = on; }
    void setIcon(ASInt32 index, ADMIconRef icon);
    void setUserData(void* data) { userData_ = data; }

  private:
    const DialogModel* model_;
    std::string name_;
    ASInt32 resourceID_;
    ASInt32 style_;
    std::string title_;
    ADMRect bounds_;
    bool visible_ = false;
    std::vector<ADMIconRef> icons_;
    void* userData_ = nullptr;
    std::vector<std::unique_ptr<DialogItem>> items_;
};

class DialogModel {
  public:
    // Makes a dialog of the given size at the default place, then runs its init procedure.
    Dialog* create(std::string name, ASInt32 resourceID, ASInt32 style, std::string title, ASInt32 width,
                   ASInt32 height, ADMDialogInitProc initProc, void* userData);
    Dialog* find(const std::string& name) const;  // null when there is none
    const std::vector<std::unique_ptr<Dialog>>& dialogs() const { return dialogs_; }
    // The result of the last init procedure a create ran.
    ASErr lastInitResult() const { return lastInit_; }

    // Called with `context` before a user's change reaches a notification procedure, so that
    // the host this model belongs to serves the plug-in's calls from it.
    using UserChangeHook = void (*)(void* context);
    void setUserChangeHook(UserChangeHook hook, void* context) {
        hook_ = hook;
        hookContext_ = context;
    }

    // ---- A user at the palette. Each change that takes runs the item's notification
    // procedure with "ADM User Changed Notifier". A null item is a no-op returning false. ----
    static bool userSetInt(DialogItem* item, ASInt32 value);
    static bool userSetFloat(DialogItem* item, AIReal value);
    static bool userSetBool(DialogItem* item, bool value);
    static bool userSelectEntry(DialogItem* item, int index);           // only existing entries
    static bool userClick(DialogItem* item);                            // push buttons
    static void userMoveDialog(Dialog* dialog, const ADMRect& bounds);  // no notification

    // Where a new dialog is placed before its init procedure moves it.
    static constexpr ASInt32 kDefaultLeft = 100;
    static constexpr ASInt32 kDefaultTop = 100;

  private:
    static void beforeUserChange(const DialogItem* item);

    std::vector<std::unique_ptr<Dialog>> dialogs_;
    ASErr lastInit_ = kNoErr;
    UserChangeHook hook_ = nullptr;
    void* hookContext_ = nullptr;
};

// The ADM references handed to the plug-in are these objects' addresses.
inline ADMDialogRef toRef(Dialog* d) { return reinterpret_cast<ADMDialogRef>(d); }
inline ADMItemRef toRef(DialogItem* i) { return reinterpret_cast<ADMItemRef>(i); }
inline ADMEntryRef toRef(PopupEntry* e) { return reinterpret_cast<ADMEntryRef>(e); }
inline Dialog* fromRef(ADMDialogRef d) { return reinterpret_cast<Dialog*>(d); }
inline DialogItem* fromRef(ADMItemRef i) { return reinterpret_cast<DialogItem*>(i); }
inline PopupEntry* fromRef(ADMEntryRef e) { return reinterpret_cast<PopupEntry*>(e); }
// A popup's list is the item itself.
inline ADMListRef toListRef(DialogItem* i) { return reinterpret_cast<ADMListRef>(i); }
inline DialogItem* fromListRef(ADMListRef l) { return reinterpret_cast<DialogItem*>(l); }

}  // namespace qthost

#endif
