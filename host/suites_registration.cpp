// Suites through which the plug-in registers itself: notifiers, application context, plug-in
// options, Unicode strings, menus, tools; and the suites it acquires but never calls.
#include <utf8cpp/utf8.h>

#include <atomic>
#include <cstring>
#include <iterator>
#include <optional>
#include <unordered_map>

#include "host/host_impl.h"

namespace qthost {

namespace {

// ---- AI Notifier ----

ASErr AddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier) {
    if (ASErr err = hostEnter("AI Notifier Suite.AddNotifier")) return err;
    if (!self || !name || !type) return kBadParameterErr;
    Host::Impl* host = activeHost();
    host->notifiers.emplace_back(name, type);
    host->records.notifiers.push_back(std::string(name) + "|" + type);
    if (notifier) *notifier = reinterpret_cast<AINotifierHandle>(uintptr_t(host->notifiers.size()));
    return kNoErr;
}

const AINotifierSuite gNotifier = {
    suiteCall<AddNotifier>,
};

// ---- AI Context ----

ASErr PushAppContext(SPPluginRef plugin, AIAppContextHandle* context) {
    if (ASErr err = hostEnter("AI Context Suite.PushAppContext")) return err;
    if (!plugin || !context) return kBadParameterErr;
    HostRecords& records = activeHost()->records;
    ++records.contextPushes;
    *context = reinterpret_cast<AIAppContextHandle>(uintptr_t(++records.contextDepth));
    return kNoErr;
}

ASErr PopAppContext(AIAppContextHandle context) {
    if (ASErr err = hostEnter("AI Context Suite.PopAppContext")) return err;
    HostRecords& records = activeHost()->records;
    // Contexts pop in the reverse order of their pushes.
    if (reinterpret_cast<uintptr_t>(context) != uintptr_t(records.contextDepth) || records.contextDepth == 0)
        return kBadParameterErr;
    --records.contextDepth;
    return kNoErr;
}

const AIContextSuite gContext = {
    suiteCall<PushAppContext>,
    suiteCall<PopAppContext>,
};

// ---- AI Plugin ----

ASErr GetPluginOptions(SPPluginRef plugin, ASInt32* options) {
    if (ASErr err = hostEnter("AI Plugin Suite.GetPluginOptions")) return err;
    if (!plugin || !options) return kBadParameterErr;
    *options = activeHost()->records.pluginOptions;
    return kNoErr;
}

ASErr SetPluginOptions(SPPluginRef plugin, ASInt32 options) {
    if (ASErr err = hostEnter("AI Plugin Suite.SetPluginOptions")) return err;
    if (!plugin) return kBadParameterErr;
    activeHost()->records.pluginOptions = options;
    return kNoErr;
}

const AIPluginSuite gPlugin = {
    suiteCall<GetPluginOptions>,
    suiteCall<SetPluginOptions>,
};

// ---- AI Unicode String ----

// Text crosses the boundary as UTF-8 (char*) or UTF-16 (ASUnicode*). Malformed text (a bad
// or missing continuation byte, an overlong form, a surrogate in UTF-8 or a lone one in UTF-16,
// a code point past U+10FFFF) is refused, so the host keeps and shows only what was meant.
bool validUtf8(const char* text) { return utf8::is_valid(text, text + std::strlen(text)); }

std::optional<std::u16string> fromUtf8(const char* text, size_t length) {
    std::u16string out;
    try {
        utf8::utf8to16(text, text + length, std::back_inserter(out));
    } catch (const utf8::exception&) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> toUtf8(const ASUnicode* text) {
    size_t length = 0;
    while (text[length]) ++length;
    std::string out;
    try {
        utf8::utf16to8(text, text + length, std::back_inserter(out));
    } catch (const utf8::exception&) {
        return std::nullopt;
    }
    return out;
}

// Every host's strings, in one table: a string may outlive the host that made it. Hosts on
// other threads (each with its own copy of the module) use it at the same time, so every use
// holds the table. A spin lock: MinGW's default thread model has no std::mutex, and each hold
// is one lookup.
struct UnicodeStrings {
    std::atomic_flag busy;
    std::unordered_map<AIUnicodeStringHandle, std::unique_ptr<std::u16string>> byHandle;
};

class Held {
  public:
    explicit Held(std::atomic_flag& busy) : busy_(busy) {
        while (busy_.test_and_set(std::memory_order_acquire)) {
        }
    }
    ~Held() { busy_.clear(std::memory_order_release); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

  private:
    std::atomic_flag& busy_;
};

UnicodeStrings& unicodeStrings() {
    static UnicodeStrings strings;
    return strings;
}

ASErr Initialize(AIUnicodeStringHandle* str, const char* utf8, ASInt32 length) {
    if (ASErr err = hostEnter("AI Unicode String Suite.Initialize")) return err;
    if (!str || (!utf8 && length != 0)) return kBadParameterErr;
    size_t n = utf8 ? (length < 0 ? std::strlen(utf8) : static_cast<size_t>(length)) : 0;
    std::optional<std::u16string> converted = fromUtf8(utf8, n);
    if (!converted) return kBadParameterErr;
    auto text = std::make_unique<std::u16string>(std::move(*converted));
    *str = reinterpret_cast<AIUnicodeStringHandle>(text.get());
    UnicodeStrings& strings = unicodeStrings();
    const Held held(strings.busy);
    strings.byHandle[*str] = std::move(text);
    return kNoErr;
}

ASErr Destroy(AIUnicodeStringHandle str) {
    if (ASErr err = hostEnter("AI Unicode String Suite.Destroy")) return err;
    UnicodeStrings& strings = unicodeStrings();
    const Held held(strings.busy);
    return strings.byHandle.erase(str) ? kNoErr : kBadParameterErr;
}

ASErr GetUTF16(AIUnicodeStringHandle str, const ASUnicode** text, ASInt32* length) {
    if (ASErr err = hostEnter("AI Unicode String Suite.GetUTF16")) return err;
    UnicodeStrings& strings = unicodeStrings();
    const Held held(strings.busy);
    auto it = strings.byHandle.find(str);
    if (it == strings.byHandle.end() || !text) return kBadParameterErr;
    *text = reinterpret_cast<const ASUnicode*>(it->second->c_str());
    if (length) *length = static_cast<ASInt32>(it->second->size());
    return kNoErr;
}

const AIUnicodeStringSuite gUnicode = {
    suiteCall<Initialize>,
    suiteCall<Destroy>,
    suiteCall<GetUTF16>,
};

// ---- AI Menu ----

MenuItemRecord* findItem(Host::Impl& host, AIMenuItemHandle item) {
    for (auto& record : host.menuItems)
        if (reinterpret_cast<AIMenuItemHandle>(record.get()) == item) return record.get();
    return nullptr;
}

MenuGroupRecord* findGroup(Host::Impl& host, AIMenuGroup group) {
    for (auto& record : host.menuGroups)
        if (reinterpret_cast<AIMenuGroup>(record.get()) == group) return record.get();
    return nullptr;
}

ASErr AddMenuItem(SPPluginRef self, const char*, const AIPlatformAddMenuItemDataUS* data, ASInt32,
                  AIMenuItemHandle* item) {
    if (ASErr err = hostEnter("AI Menu Suite.AddMenuItem")) return err;
    if (!self || !data || !data->groupName || !data->itemText || !item) return kBadParameterErr;
    Host::Impl& host = *activeHost();
    bool groupExists = false;
    for (auto& group : host.menuGroups) groupExists |= group->name == data->groupName;
    if (!groupExists) return kBadParameterErr;
    std::optional<std::string> text = toUtf8(data->itemText);
    if (!text) return kBadParameterErr;
    auto record = std::make_unique<MenuItemRecord>(MenuItemRecord{data->groupName, std::move(*text)});
    host.records.menuItems.push_back(record->group + "/" + record->text);
    *item = reinterpret_cast<AIMenuItemHandle>(record.get());
    host.menuItems.push_back(std::move(record));
    return kNoErr;
}

ASErr AddMenuGroupAsSubMenu(const char* name, ASInt32, AIMenuItemHandle parentItem, AIMenuGroup* group) {
    if (ASErr err = hostEnter("AI Menu Suite.AddMenuGroupAsSubMenu")) return err;
    Host::Impl& host = *activeHost();
    if (!name || !group || !findItem(host, parentItem)) return kBadParameterErr;
    for (auto& existing : host.menuGroups)
        if (existing->name == name) return kBadParameterErr;  // group names are unique
    host.menuGroups.push_back(std::make_unique<MenuGroupRecord>(MenuGroupRecord{name}));
    host.records.menuGroups.push_back(name);
    *group = reinterpret_cast<AIMenuGroup>(host.menuGroups.back().get());
    return kNoErr;
}

ASErr CountMenuGroups(ASInt32* count) {
    if (ASErr err = hostEnter("AI Menu Suite.CountMenuGroups")) return err;
    if (!count) return kBadParameterErr;
    *count = static_cast<ASInt32>(activeHost()->menuGroups.size());
    return kNoErr;
}

ASErr GetNthMenuGroup(ASInt32 n, AIMenuGroup* group) {
    if (ASErr err = hostEnter("AI Menu Suite.GetNthMenuGroup")) return err;
    auto& groups = activeHost()->menuGroups;
    if (!group || n < 0 || static_cast<size_t>(n) >= groups.size()) return kBadParameterErr;
    *group = reinterpret_cast<AIMenuGroup>(groups[static_cast<size_t>(n)].get());
    return kNoErr;
}

ASErr GetMenuGroupName(AIMenuGroup group, const char** name) {
    if (ASErr err = hostEnter("AI Menu Suite.GetMenuGroupName")) return err;
    MenuGroupRecord* record = findGroup(*activeHost(), group);
    if (!record || !name) return kBadParameterErr;
    *name = record->name.c_str();
    return kNoErr;
}

const AIMenuSuite gMenu = {
    suiteCall<AddMenuItem>,     suiteCall<AddMenuGroupAsSubMenu>, suiteCall<CountMenuGroups>,
    suiteCall<GetNthMenuGroup>, suiteCall<GetMenuGroupName>,
};

// ---- AI Tool ----

ToolRecord* findTool(AIToolHandle tool) {
    auto& tools = activeHost()->records.toolDetails;
    uintptr_t n = reinterpret_cast<uintptr_t>(tool);
    return n >= 1 && n <= tools.size() ? &tools[n - 1] : nullptr;
}

ASErr AddTool(SPPluginRef self, const char* name, const AIAddToolData* data, ASInt32 options,
              AIToolHandle* tool) {
    if (ASErr err = hostEnter("AI Tool Suite.AddTool")) return err;
    if (!self || !name || !data || !tool) return kBadParameterErr;
    if (data->title && !validUtf8(data->title)) return kBadParameterErr;
    if (data->tooltip && !validUtf8(data->tooltip)) return kBadParameterErr;
    HostRecords& records = activeHost()->records;
    ToolRecord record;
    record.name = name;
    record.title = data->title ? data->title : "";
    record.tooltip = data->tooltip ? data->tooltip : "";
    record.options = options;
    record.sameGroupAs = data->sameGroupAs;
    record.sameToolsetAs = data->sameToolsetAs;
    record.icon = static_cast<ADMIconRef>(data->icon);
    records.toolDetails.push_back(record);
    records.tools.push_back(name);
    *tool = reinterpret_cast<AIToolHandle>(uintptr_t(records.toolDetails.size()));
    return kNoErr;
}

ASErr SetToolRolloverIcon(AIToolHandle tool, void* icon) {
    if (ASErr err = hostEnter("AI Tool Suite.SetToolRolloverIcon")) return err;
    ToolRecord* record = findTool(tool);
    if (!record) return kBadParameterErr;
    record->rolloverIcon = static_cast<ADMIconRef>(icon);
    return kNoErr;
}

ASErr SystemHasPressure(ASBoolean* hasPressure) {
    if (ASErr err = hostEnter("AI Tool Suite.SystemHasPressure")) return err;
    if (!hasPressure) return kBadParameterErr;
    *hasPressure = activeHost()->config.pressureDevice ? 1 : 0;
    return kNoErr;
}

const AIToolSuite gTool = {
    suiteCall<AddTool>,
    suiteCall<SetToolRolloverIcon>,
    suiteCall<SystemHasPressure>,
};

// ---- Acquired but never called: one operation that reports the wrong state. ----

ASErr Uncalled() {
    if (ASErr err = hostEnter("AI Uncalled Suite.Placeholder")) return err;
    return kInvalidStateErr;
}

const AIUncalledSuite gUncalled = {
    suiteCall<Uncalled>,
};

}  // namespace

std::vector<SuiteEntry> registrationSuites() {
    return {
        {kAINotifierSuite, kAINotifierSuiteVersion, &gNotifier},
        {kAIContextSuite, kAIContextSuiteVersion, &gContext},
        {kAIPluginSuite, kAIPluginSuiteVersion, &gPlugin},
        {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &gUnicode},
        {kAIMenuSuite, kAIMenuSuiteVersion, &gMenu},
        {kAIToolSuite, kAIToolSuiteVersion, &gTool},
        {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &gUncalled},
        {kAIMdMemorySuite, kAIMdMemorySuiteVersion, &gUncalled},
        {kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &gUncalled},
        {kAIArtStyleSuite, kAIArtStyleSuiteVersion, &gUncalled},
        {kAICropAreaSuite, kAICropAreaSuiteVersion, &gUncalled},
        {kAICropAreaRangeSuite, kAICropAreaRangeSuiteVersion, &gUncalled},
        {kAISymbolSuite, kAISymbolSuiteVersion, &gUncalled},
        {kAIMeshSuite, kAIMeshSuiteVersion, &gUncalled},
        {kAIMeshVertexSuite, kAIMeshVertexSuiteVersion, &gUncalled},
        {kAIHitTestSuite, kAIHitTestSuiteVersion, &gUncalled},
    };
}

}  // namespace qthost
