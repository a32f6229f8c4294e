// The QuenTarb plug-in object: creation and rebinding, start-up registration (plug-in
// options, the tool, the About entry), the About item and the exception boundary.
#include "tool/multi_arrow_tool_plugin.h"

#include <cstring>
#include <new>

#include "frame/about_plugins_helper.h"
#include "frame/error.h"
#include "frame/host_memory.h"
#include "frame/plugin_texts.h"
#include "frame/suite_pointers.h"
#include "frame/unicode_string.h"

namespace {

constexpr ASInt32 kPluginOptionBit = 2;

}  // namespace

MultiArrowToolPlugin::MultiArrowToolPlugin(SPPluginRef ref) : Plugin(ref) {
    std::strncpy(pluginName, texts::kPluginName, kTextBufferSize);
    pluginName[kTextBufferSize - 1] = '\0';
}

Plugin* AllocatePlugin(SPPluginRef pluginRef) noexcept { return hostNew<MultiArrowToolPlugin>(pluginRef); }

void DestroyPlugin(Plugin* plugin) noexcept { hostDelete(plugin); }

void FixupReload(Plugin* plugin) noexcept {
    // Copy the fields out, then rebuild the object in place from the copy: the object gets
    // the class of the code now loaded and keeps every value. The copy is not destroyed, as
    // it shares the object's Suites.
    alignas(MultiArrowToolPlugin) unsigned char saved[sizeof(MultiArrowToolPlugin)];
    auto* fields = new (saved) MultiArrowToolPlugin(*static_cast<MultiArrowToolPlugin*>(plugin));
    new (plugin) MultiArrowToolPlugin(*fields);
}

ASErr MultiArrowToolPlugin::Message(const char* caller, const char* selector, void* message) {
    const ASErr error = exceptionBoundary([&] { return Plugin::Message(caller, selector, message); });
    // The entry point reports what comes back: an error is shown once, where it leaves the
    // plug-in.
    return error == kUnhandledMsgErr ? kNoErr : error;
}

ASErr MultiArrowToolPlugin::StartupPlugin(SPInterfaceMessage* message) {
    QT_PROPAGATE(Plugin::StartupPlugin(message));

    ASInt32 options = 0;
    QT_PROPAGATE(sAIPlugin->GetPluginOptions(pluginRef, &options));
    QT_PROPAGATE(sAIPlugin->SetPluginOptions(pluginRef, options | kPluginOptionBit));

    QT_PROPAGATE(AddTools(message));
    return AddMenus(message);
}

ASErr MultiArrowToolPlugin::AddTools(SPInterfaceMessage*) {
    char title[kTextBufferSize] = "";
    QT_PROPAGATE(sADMBasic->GetIndexString(pluginRef, texts::kToolTitleStrings, 1, title, kTextBufferSize));

    ADMIconRef icon = sADMIcon->GetFromResource(pluginRef, texts::kToolIcons, 1);
    // A missing image is as unusable as one of an unknown type.
    if (icon == nullptr || sADMIcon->GetType(icon) == kADMUnknownIconType) return makeError(kBadToolIconErr);

    AIAddToolData data{title, title, icon, kNoTool, kNoTool};
    AIToolHandle tool = nullptr;
    QT_PROPAGATE(sAITool->AddTool(pluginRef, title, &data, kToolWantsToTrackCursorOption, &tool));

    ADMIconRef rolloverIcon = sADMIcon->GetFromResource(pluginRef, texts::kToolIcons, 2);
    return sTool->SetToolRolloverIcon(tool, rolloverIcon);
}

ASErr MultiArrowToolPlugin::AddMenus(SPInterfaceMessage* message) {
    SDKAboutPluginsHelper aboutPluginsHelper;
    return aboutPluginsHelper.AddAboutPluginsMenuItem(message, texts::kFamilyMenuGroupName,
                                                      ai::UnicodeString(texts::kFamilyMenuEntry),
                                                      texts::kAboutMenuItem, &aboutMenuItem);
}

ASErr MultiArrowToolPlugin::GoMenuItem(AIMenuMessage* message) {
    if (message->menuItem != aboutMenuItem) return kNoErr;
    SDKAboutPluginsHelper aboutPluginsHelper;
    aboutPluginsHelper.PopAboutBox(message, texts::kAboutBoxCaption, texts::kAboutBoxText);
    return kNoErr;
}
