// The family About submenu and the about box, each with the suite it needs acquired for
// the duration of the call only.
#include "frame/about_plugins_helper.h"

#include <cstring>

#include "frame/error.h"
#include "frame/suites.h"

namespace {

// A suite acquired through the message's basic suite and released on every way out.
template <class Suite>
class ScopedSuite {
  public:
    ScopedSuite(SPBasicSuite* basic, const char* name, ASInt32 version)
        : basic_(basic), name_(name), version_(version) {
        const void* suite = nullptr;
        error_ =
            basic_ != nullptr ? basic_->AcquireSuite(name, version, &suite) : makeError(kInvalidStateErr);
        if (error_ == kNoErr && suite == nullptr) error_ = makeError(kSuiteNotFoundErr);
        if (error_ == kNoErr) suite_ = static_cast<const Suite*>(suite);
    }
    ~ScopedSuite() {
        if (suite_ != nullptr) basic_->ReleaseSuite(name_, version_);
    }
    ScopedSuite(const ScopedSuite&) = delete;
    ScopedSuite& operator=(const ScopedSuite&) = delete;

    ASErr error() const { return error_; }
    const Suite* operator->() const { return suite_; }
    const Suite& operator*() const { return *suite_; }

  private:
    SPBasicSuite* basic_;
    const char* name_;
    ASInt32 version_;
    ASErr error_ = kNoErr;
    const Suite* suite_ = nullptr;
};

ASErr findMenuGroup(const AIMenuSuite& menu, const char* name, bool* exists) {
    *exists = false;
    ASInt32 count = 0;
    QT_PROPAGATE(menu.CountMenuGroups(&count));
    for (ASInt32 n = 0; n < count; ++n) {
        AIMenuGroup group = nullptr;
        const char* groupName = nullptr;
        QT_PROPAGATE(menu.GetNthMenuGroup(n, &group));
        QT_PROPAGATE(menu.GetMenuGroupName(group, &groupName));
        if (groupName != nullptr && std::strcmp(groupName, name) == 0) {
            *exists = true;
            return kNoErr;
        }
    }
    return kNoErr;
}

}  // namespace

ASErr SDKAboutPluginsHelper::AddAboutPluginsMenuItem(SPInterfaceMessage* message, const char* menuGroupName,
                                                     const ai::UnicodeString& familyEntryText,
                                                     const char* itemText, AIMenuItemHandle* menuItem) {
    ScopedSuite<AIMenuSuite> menu(message->d.basic, kAIMenuSuite,
                                  kAIMenuSuiteVersion + kAISuiteVersionOffset);
    QT_PROPAGATE(menu.error());
    SPPluginRef self = message->d.self;

    bool exists = false;
    QT_PROPAGATE(findMenuGroup(*menu, menuGroupName, &exists));

    if (!exists) {
        AIPlatformAddMenuItemDataUS entry{kAboutMenuGroup, familyEntryText.as_ASUnicode()};
        AIMenuItemHandle entryItem = nullptr;
        QT_PROPAGATE(menu->AddMenuItem(self, nullptr, &entry, 0, &entryItem));
        AIMenuGroup group = nullptr;
        QT_PROPAGATE(menu->AddMenuGroupAsSubMenu(menuGroupName, 1, entryItem, &group));
    }

    const ai::UnicodeString item(itemText);
    AIPlatformAddMenuItemDataUS itemData{menuGroupName, item.as_ASUnicode()};
    AIMenuItemHandle added = nullptr;
    QT_PROPAGATE(menu->AddMenuItem(self, nullptr, &itemData, 0, &added));
    *menuItem = added;
    return kNoErr;
}

void SDKAboutPluginsHelper::PopAboutBox(AIMenuMessage* message, const char* caption, const char* text) {
    if (fADMBasic != nullptr) {
        fADMBasic->ShowModalMessage(caption, text);
        return;
    }
    ScopedSuite<ADMBasicSuite> basic(message->d.basic, kADMBasicSuite, kADMBasicSuiteVersion);
    if (basic.error() != kNoErr) return;
    basic->ShowModalMessage(caption, text);
}
