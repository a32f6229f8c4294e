// The dialog manager model: values, ranges, popups and notification.
#include "host/dialog_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qthost {

// ---- Items ----

DialogItem::DialogItem(Dialog* dialog, ASInt32 id, std::string type, ADMRect bounds)
    : dialog_(dialog), id_(id), type_(std::move(type)), bounds_(bounds) {}

bool DialogItem::isSpinEdit() const { return type_ == kADMSpinEditType; }
bool DialogItem::isPopup() const { return type_ == kADMPopupListType; }
bool DialogItem::isCheckBox() const { return type_ == kADMTextCheckBoxType; }
bool DialogItem::isPushButton() const { return type_ == kADMTextPushButtonType; }

ASInt32 DialogItem::intValue() const {
    if (isPopup()) return active_;
    if (isCheckBox()) return bool_ ? 1 : 0;
    return static_cast<ASInt32>(std::lround(number_));
}

AIReal DialogItem::floatValue() const {
    if (isPopup()) return static_cast<AIReal>(active_);
    if (isCheckBox()) return bool_ ? 1.0f : 0.0f;
    return static_cast<AIReal>(number_);
}

bool DialogItem::boolValue() const {
    if (isCheckBox()) return bool_;
    return intValue() != 0;
}

const PopupEntry* DialogItem::activeEntry() const { return entryAt(active_); }

int DialogItem::indexOf(const PopupEntry* entry) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].get() == entry) return static_cast<int>(i);
    return -1;
}

// A spin edit keeps its value inside its range, and whole when it shows no decimals.
void DialogItem::setNumber(double value) {
    if (isSpinEdit()) {
        if (precision_ == 0) value = std::round(value);
        if (min_ <= max_) value = std::clamp(value, min_, max_);
    }
    number_ = value;
}

void DialogItem::setMinimum(double value) {
    min_ = value;
    if (isSpinEdit() && min_ <= max_ && number_ < min_) number_ = min_;
}

void DialogItem::setMaximum(double value) {
    max_ = value;
    if (isSpinEdit() && min_ <= max_ && number_ > max_) number_ = max_;
}

void DialogItem::setIntValue(ASInt32 value) {
    if (isPopup()) {
        selectEntry(value);
    } else if (isCheckBox()) {
        bool_ = value != 0;
    } else {
        setNumber(value);
    }
}

void DialogItem::setFloatValue(AIReal value) {
    if (isPopup()) {
        selectEntry(static_cast<int>(std::lround(value)));
    } else if (isCheckBox()) {
        bool_ = value != 0.0f;
    } else {
        setNumber(value);
    }
}

void DialogItem::setBoolValue(bool value) {
    if (isCheckBox()) {
        bool_ = value;
    } else if (!isPopup()) {
        setNumber(value ? 1.0 : 0.0);
    }
}

PopupEntry* DialogItem::insertEntry(int index) {
    index = std::clamp(index, 0, static_cast<int>(entries_.size()));
    auto entry = std::make_unique<PopupEntry>();
    entry->owner = this;
    PopupEntry* raw = entry.get();
    entries_.insert(entries_.begin() + index, std::move(entry));
    if (active_ >= index) ++active_;  // the active entry keeps being the same entry
    return raw;
}

PopupEntry* DialogItem::entryAt(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    return entries_[static_cast<size_t>(index)].get();
}

bool DialogItem::selectEntry(int index) {
    if (!entryAt(index)) return false;
    active_ = index;
    return true;
}

void DialogItem::notify(const char* type) {
    DialogNotifier notifier{this, type ? type : ""};
    if (notify_) notify_(toRef(this), reinterpret_cast<ADMNotifierRef>(&notifier));
    // Without a procedure the host's default handling applies, which changes nothing visible.
}

// ---- Dialogs ----

Dialog::Dialog(std::string name, ASInt32 resourceID, ASInt32 style, std::string title, ADMRect bounds,
               const DialogModel* model)
    : model_(model),
      name_(std::move(name)),
      resourceID_(resourceID),
      style_(style),
      title_(std::move(title)),
      bounds_(bounds) {}

DialogItem* Dialog::item(ASInt32 id) const {
    for (const auto& item : items_)
        if (item->id() == id) return item.get();
    return nullptr;
}

DialogItem* Dialog::createItem(ASInt32 id, const char* type, const ADMRect& bounds) {
    items_.push_back(std::make_unique<DialogItem>(this, id, type ? type : "", bounds));
    return items_.back().get();
}

void Dialog::resize(ASInt32 width, ASInt32 height) {
    bounds_.right = bounds_.left + width;
    bounds_.bottom = bounds_.top + height;
}

void Dialog::setIcon(ASInt32 index, ADMIconRef icon) {
    if (index < 0) return;
    if (static_cast<size_t>(index) >= icons_.size()) icons_.resize(static_cast<size_t>(index) + 1, nullptr);
    icons_[static_cast<size_t>(index)] = icon;
}

// ---- The model ----

Dialog* DialogModel::create(std::string name, ASInt32 resourceID, ASInt32 style, std::string title,
                            ASInt32 width, ASInt32 height, ADMDialogInitProc initProc, void* userData) {
    ADMRect bounds{kDefaultLeft, kDefaultTop, kDefaultLeft + width, kDefaultTop + height};
    dialogs_.push_back(
        std::make_unique<Dialog>(std::move(name), resourceID, style, std::move(title), bounds, this));
    Dialog* dialog = dialogs_.back().get();
    dialog->setUserData(userData);
    lastInit_ = initProc ? initProc(toRef(dialog)) : kNoErr;
    return dialog;
}

Dialog* DialogModel::find(const std::string& name) const {
    for (const auto& dialog : dialogs_)
        if (dialog->name() == name) return dialog.get();
    return nullptr;
}

void DialogModel::beforeUserChange(const DialogItem* item) {
    const DialogModel* model = item->dialog() ? item->dialog()->model() : nullptr;
    if (model && model->hook_) model->hook_(model->hookContext_);
}

bool DialogModel::userSetInt(DialogItem* item, ASInt32 value) {
    if (!item || !(item->isSpinEdit() || item->isCheckBox())) return false;
    item->setIntValue(value);
    beforeUserChange(item);
    item->notify(kADMUserChangedNotifier);
    return true;
}

bool DialogModel::userSetFloat(DialogItem* item, AIReal value) {
    if (!item || !item->isSpinEdit()) return false;
    item->setFloatValue(value);
    beforeUserChange(item);
    item->notify(kADMUserChangedNotifier);
    return true;
}

bool DialogModel::userSetBool(DialogItem* item, bool value) {
    if (!item || !item->isCheckBox()) return false;
    item->setBoolValue(value);
    beforeUserChange(item);
    item->notify(kADMUserChangedNotifier);
    return true;
}

bool DialogModel::userSelectEntry(DialogItem* item, int index) {
    if (!item || !item->isPopup() || !item->selectEntry(index)) return false;
    beforeUserChange(item);
    item->notify(kADMUserChangedNotifier);
    return true;
}

bool DialogModel::userClick(DialogItem* item) {
    if (!item || !item->isPushButton()) return false;
    beforeUserChange(item);
    item->notify(kADMUserChangedNotifier);
    return true;
}

void DialogModel::userMoveDialog(Dialog* dialog, const ADMRect& bounds) {
    if (dialog) dialog->setBounds(bounds);
}

}  // namespace qthost
