// The dialog manager suites: alerts, strings and cursors from the resources, icons, the
// modifier state of the event in progress, and dialogs over the DialogModel. An operation on
// a null dialog, item, list or entry does nothing and reads as zero.
#include <algorithm>
#include <cstring>

#include "host/host_impl.h"

namespace qthost {

namespace {

constexpr ASInt32 kBitmapIconType = 4;  // the type the host gives an image it can draw

// ---- ADM Basic ----

ASErr GetIndexString(SPPluginRef, ASInt32 listID, ASInt32 index, char* buffer, ASInt32 bufferSize) {
    if (ASErr err = hostEnter("ADM Basic Suite.GetIndexString")) return err;
    if (!buffer || bufferSize <= 0) return kBadParameterErr;
    buffer[0] = '\0';
    const std::string* text = activeHost()->resources.indexString(listID, index);
    if (!text) return kBadParameterErr;
    size_t n = std::min(text->size(), static_cast<size_t>(bufferSize - 1));
    std::memcpy(buffer, text->data(), n);
    buffer[n] = '\0';
    return kNoErr;
}

void MessageAlert(const char* text) {
    Host::Impl* host = hostNote("ADM Basic Suite.MessageAlert");
    host->records.alerts.emplace_back(text ? text : "");
}

void AboutBox(SPPluginRef, const char* text1, const char* text2) {
    Host::Impl* host = hostNote("ADM Basic Suite.AboutBox");
    host->records.aboutBoxes.push_back(std::string(text1 ? text1 : "") + "\n" + (text2 ? text2 : ""));
}

void ShowModalMessage(const char* caption, const char* text) {
    Host::Impl* host = hostNote("ADM Basic Suite.ShowModalMessage");
    host->records.aboutBoxes.push_back(std::string(caption ? caption : "") + "\n" + (text ? text : ""));
}

ASErr SetPlatformCursor(SPPluginRef, ASInt32 cursorID) {
    if (ASErr err = hostEnter("ADM Basic Suite.SetPlatformCursor")) return err;
    Host::Impl* host = activeHost();
    if (!host->resources.cursor(cursorID)) return kBadParameterErr;
    host->records.cursorID = cursorID;
    host->records.cursors.push_back(cursorID);
    return kNoErr;
}

const ADMBasicSuite gBasic = {
    suiteCall<GetIndexString>,    suiteValue<MessageAlert>,     suiteValue<AboutBox>,
    suiteValue<ShowModalMessage>, suiteCall<SetPlatformCursor>,
};

// ---- ADM Icon: image list N entry k is image resource N + k. ----

ADMIconRef GetFromResource(SPPluginRef, ASInt32 listID, ASInt32 index) {
    Host::Impl* host = hostNote("ADM Icon Suite.GetFromResource");
    const std::string* bytes = host->resources.image(listID + index);
    if (!bytes) return nullptr;
    auto icon = std::make_unique<IconRecord>();
    icon->resourceID = listID + index;
    // A PNG the host can read is a bitmap icon; anything else is of unknown type.
    icon->type = pngSize(*bytes, icon->width, icon->height) ? kBitmapIconType : kADMUnknownIconType;
    host->icons.push_back(std::move(icon));
    return reinterpret_cast<ADMIconRef>(host->icons.back().get());
}

IconRecord* findIcon(ADMIconRef icon) {
    for (auto& record : activeHost()->icons)
        if (reinterpret_cast<ADMIconRef>(record.get()) == icon) return record.get();
    return nullptr;
}

ASInt32 GetType(ADMIconRef icon) {
    hostNote("ADM Icon Suite.GetType");
    IconRecord* record = findIcon(icon);
    return record ? record->type : kADMUnknownIconType;
}

void DestroyIcon(ADMIconRef icon) {
    Host::Impl* host = hostNote("ADM Icon Suite.Destroy");
    std::erase_if(host->icons, [&](const auto& r) { return reinterpret_cast<ADMIconRef>(r.get()) == icon; });
}

const ADMIconSuite gIcon = {
    suiteValue<GetFromResource>,
    suiteValue<GetType>,
    suiteValue<DestroyIcon>,
};

// ---- ADM Tracker ----

ASUInt32 GetModifiers(ADMTrackerRef) { return hostNote("ADM Tracker Suite.GetModifiers")->modifiers; }

const ADMTrackerSuite gTracker = {
    suiteValue<GetModifiers>,
};

// ---- ADM Dialog ----

ADMDialogRef Create(SPPluginRef, const char* name, ASInt32 dialogID, ASInt32 style,
                    ADMDialogInitProc initProc, void* userData, ASInt32) {
    Host::Impl* host = hostNote("ADM Dialog Suite.Create");
    const DialogResource* frame = host->resources.dialog(dialogID);
    Dialog* dialog =
        host->dialogs.create(name ? name : "", dialogID, style, frame ? frame->caption : "",
                             frame ? frame->width : 0, frame ? frame->height : 0, initProc, userData);
    return toRef(dialog);
}

void DialogShow(ADMDialogRef dialog, ASBoolean show) {
    hostNote("ADM Dialog Suite.Show");
    if (dialog) fromRef(dialog)->show(show != 0);
}

ADMItemRef GetItem(ADMDialogRef dialog, ASInt32 itemID) {
    hostNote("ADM Dialog Suite.GetItem");
    return dialog ? toRef(fromRef(dialog)->item(itemID)) : nullptr;
}

ADMItemRef CreateItem(ADMDialogRef dialog, ASInt32 itemID, const char* itemType, const ADMRect* bounds, void*,
                      void*, ASInt32) {
    hostNote("ADM Dialog Suite.CreateItem");
    if (!dialog) return nullptr;
    return toRef(fromRef(dialog)->createItem(itemID, itemType, bounds ? *bounds : ADMRect{0, 0, 0, 0}));
}

void SetBoundsRect(ADMDialogRef dialog, const ADMRect* bounds) {
    hostNote("ADM Dialog Suite.SetBoundsRect");
    if (dialog && bounds) fromRef(dialog)->setBounds(*bounds);
}

void GetBoundsRect(ADMDialogRef dialog, ADMRect* bounds) {
    hostNote("ADM Dialog Suite.GetBoundsRect");
    if (!bounds) return;
    *bounds = dialog ? fromRef(dialog)->bounds() : ADMRect{0, 0, 0, 0};
}

void Size(ADMDialogRef dialog, ASInt32 width, ASInt32 height) {
    hostNote("ADM Dialog Suite.Size");
    if (dialog) fromRef(dialog)->resize(width, height);
}

void DialogSetText(ADMDialogRef dialog, const char* text) {
    hostNote("ADM Dialog Suite.SetText");
    if (dialog) fromRef(dialog)->setTitle(text ? text : "");
}

void SetIcon(ADMDialogRef dialog, ASInt32 index, ADMIconRef icon) {
    hostNote("ADM Dialog Suite.SetIcon");
    if (dialog) fromRef(dialog)->setIcon(index, icon);
}

const ADMDialogSuite gDialog = {
    suiteValue<Create>,     suiteValue<DialogShow>,    suiteValue<GetItem>,
    suiteValue<CreateItem>, suiteValue<SetBoundsRect>, suiteValue<GetBoundsRect>,
    suiteValue<Size>,       suiteValue<DialogSetText>, suiteValue<SetIcon>,
};

}  // namespace

// Declared in suites_adm_items.cpp.
std::vector<SuiteEntry> admItemSuites();

std::vector<SuiteEntry> admSuites() {
    std::vector<SuiteEntry> list = {
        {kADMBasicSuite, kADMBasicSuiteVersion, &gBasic},
        {kADMBasicSuite, kADMBasicSuiteVersion2, &gBasic},
        {kADMIconSuite, kADMIconSuiteVersion, &gIcon},
        {kADMTrackerSuite, kADMTrackerSuiteVersion, &gTracker},
        {kADMDialogSuite, kADMDialogSuiteVersion, &gDialog},
    };
    std::vector<SuiteEntry> items = admItemSuites();
    list.insert(list.end(), items.begin(), items.end());
    return list;
}

}  // namespace qthost
