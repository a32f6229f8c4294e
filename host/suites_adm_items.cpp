// The dialog manager's item, list and entry suites over the DialogModel. A null reference
// (such as the item GetItem returns for a missing id) does nothing and reads as zero.
#include "host/host_impl.h"

namespace qthost {

namespace {

// ---- ADM Item ----

ADMDialogRef GetDialog(ADMItemRef item) {
    hostNote("ADM Item Suite.GetDialog");
    return item ? toRef(fromRef(item)->dialog()) : nullptr;
}
ASInt32 GetID(ADMItemRef item) {
    hostNote("ADM Item Suite.GetID");
    return item ? fromRef(item)->id() : 0;
}
void DefaultNotify(ADMItemRef, ADMNotifierRef) {
    // The host's own handling of a user change: nothing that the model keeps changes.
    hostNote("ADM Item Suite.DefaultNotify");
}
void SetNotifyProc(ADMItemRef item, ADMItemNotifyProc proc) {
    hostNote("ADM Item Suite.SetNotifyProc");
    if (item) fromRef(item)->setNotifyProc(proc);
}
void SendNotify(ADMItemRef item, const char* notifierType) {
    hostNote("ADM Item Suite.SendNotify");
    if (item) fromRef(item)->notify(notifierType);
}
void ItemShow(ADMItemRef item, ASBoolean show) {
    hostNote("ADM Item Suite.Show");
    if (item) fromRef(item)->show(show != 0);
}
void Enable(ADMItemRef item, ASBoolean enable) {
    hostNote("ADM Item Suite.Enable");
    if (item) fromRef(item)->enable(enable != 0);
}
void ItemSetText(ADMItemRef item, const char* text) {
    hostNote("ADM Item Suite.SetText");
    if (item) fromRef(item)->setText(text ? text : "");
}
void SetUnits(ADMItemRef item, ASInt32 units) {
    hostNote("ADM Item Suite.SetUnits");
    if (item) fromRef(item)->setUnits(units);
}
void SetPrecision(ADMItemRef item, ASInt32 decimals) {
    hostNote("ADM Item Suite.SetPrecision");
    if (item) fromRef(item)->setPrecision(decimals);
}
void SetMinIntValue(ADMItemRef item, ASInt32 value) {
    hostNote("ADM Item Suite.SetMinIntValue");
    if (item) fromRef(item)->setMinimum(value);
}
void SetMaxIntValue(ADMItemRef item, ASInt32 value) {
    hostNote("ADM Item Suite.SetMaxIntValue");
    if (item) fromRef(item)->setMaximum(value);
}
void SetMinFloatValue(ADMItemRef item, AIReal value) {
    hostNote("ADM Item Suite.SetMinFloatValue");
    if (item) fromRef(item)->setMinimum(value);
}
void SetMaxFloatValue(ADMItemRef item, AIReal value) {
    hostNote("ADM Item Suite.SetMaxFloatValue");
    if (item) fromRef(item)->setMaximum(value);
}
void SetIntValue(ADMItemRef item, ASInt32 value) {
    hostNote("ADM Item Suite.SetIntValue");
    if (item) fromRef(item)->setIntValue(value);
}
ASInt32 GetIntValue(ADMItemRef item) {
    hostNote("ADM Item Suite.GetIntValue");
    return item ? fromRef(item)->intValue() : 0;
}
void SetFloatValue(ADMItemRef item, AIReal value) {
    hostNote("ADM Item Suite.SetFloatValue");
    if (item) fromRef(item)->setFloatValue(value);
}
AIReal GetFloatValue(ADMItemRef item) {
    hostNote("ADM Item Suite.GetFloatValue");
    return item ? fromRef(item)->floatValue() : 0.0f;
}
void SetBooleanValue(ADMItemRef item, ASBoolean value) {
    hostNote("ADM Item Suite.SetBooleanValue");
    if (item) fromRef(item)->setBoolValue(value != 0);
}
ASBoolean GetBooleanValue(ADMItemRef item) {
    hostNote("ADM Item Suite.GetBooleanValue");
    return item && fromRef(item)->boolValue() ? 1 : 0;
}
ADMListRef GetList(ADMItemRef item) {
    hostNote("ADM Item Suite.GetList");
    return item && fromRef(item)->isPopup() ? toListRef(fromRef(item)) : nullptr;
}

const ADMItemSuite gItem = {
    suiteValue<GetDialog>,        suiteValue<GetID>,
    suiteValue<DefaultNotify>,    suiteValue<SetNotifyProc>,
    suiteValue<SendNotify>,       suiteValue<ItemShow>,
    suiteValue<Enable>,           suiteValue<ItemSetText>,
    suiteValue<SetUnits>,         suiteValue<SetPrecision>,
    suiteValue<SetMinIntValue>,   suiteValue<SetMaxIntValue>,
    suiteValue<SetMinFloatValue>, suiteValue<SetMaxFloatValue>,
    suiteValue<SetIntValue>,      suiteValue<GetIntValue>,
    suiteValue<SetFloatValue>,    suiteValue<GetFloatValue>,
    suiteValue<SetBooleanValue>,  suiteValue<GetBooleanValue>,
    suiteValue<GetList>,
};

// ---- ADM List: a popup's list is its item. ----

ADMEntryRef InsertEntry(ADMListRef list, ASInt32 index) {
    hostNote("ADM List Suite.InsertEntry");
    return list ? toRef(fromListRef(list)->insertEntry(index)) : nullptr;
}
ADMEntryRef IndexEntry(ADMListRef list, ASInt32 index) {
    hostNote("ADM List Suite.IndexEntry");
    return list ? toRef(fromListRef(list)->entryAt(index)) : nullptr;
}
ADMEntryRef GetActiveEntry(ADMListRef list) {
    hostNote("ADM List Suite.GetActiveEntry");
    return list ? toRef(const_cast<PopupEntry*>(fromListRef(list)->activeEntry())) : nullptr;
}
ASInt32 NumberOfEntries(ADMListRef list) {
    hostNote("ADM List Suite.NumberOfEntries");
    return list ? static_cast<ASInt32>(fromListRef(list)->entries().size()) : 0;
}

const ADMListSuite gList = {
    suiteValue<InsertEntry>,
    suiteValue<IndexEntry>,
    suiteValue<GetActiveEntry>,
    suiteValue<NumberOfEntries>,
};

// ---- ADM Entry ----

void EntrySetText(ADMEntryRef entry, const char* text) {
    hostNote("ADM Entry Suite.SetText");
    if (entry) fromRef(entry)->text = text ? text : "";
}
void SetID(ADMEntryRef entry, ASInt32 id) {
    hostNote("ADM Entry Suite.SetID");
    if (entry) fromRef(entry)->id = id;
}
ASInt32 EntryGetID(ADMEntryRef entry) {
    hostNote("ADM Entry Suite.GetID");
    return entry ? fromRef(entry)->id : 0;
}
ASInt32 GetIndex(ADMEntryRef entry) {
    hostNote("ADM Entry Suite.GetIndex");
    if (!entry) return 0;
    PopupEntry* e = fromRef(entry);
    return e->owner ? e->owner->indexOf(e) : 0;
}
void Select(ADMEntryRef entry, ASBoolean select) {
    hostNote("ADM Entry Suite.Select");
    if (!entry) return;
    PopupEntry* e = fromRef(entry);
    if (!e->owner) return;
    int index = e->owner->indexOf(e);
    if (select)
        e->owner->selectEntry(index);
    else if (e->owner->activeIndex() == index)
        e->owner->clearSelection();
}

const ADMEntrySuite gEntry = {
    suiteValue<EntrySetText>, suiteValue<SetID>,  suiteValue<EntryGetID>,
    suiteValue<GetIndex>,     suiteValue<Select>,
};

}  // namespace

std::vector<SuiteEntry> admItemSuites() {
    return {
        {kADMItemSuite, kADMItemSuiteVersion, &gItem},
        {kADMListSuite, kADMListSuiteVersion, &gList},
        {kADMEntrySuite, kADMEntrySuiteVersion, &gEntry},
    };
}

}  // namespace qthost
