// The host's suites and message pump, driven by a small probe plug-in linked into the test
// (loadStatic), so that the host is tested on its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>

#include "host/host_impl.h"
#include "host_document_helpers.h"

namespace {

using qthost::Host;

std::function<ASErr(const char*, const char*, void*)> gProbe;

ASErr ProbeMain(const char* caller, const char* selector, void* message) {
    return gProbe ? gProbe(caller, selector, message) : kNoErr;
}

template <typename Suite>
const Suite* acquire(const char* name, ASInt32 version) {
    const void* suite = nullptr;
    EXPECT_EQ(qthost::basicSuite()->AcquireSuite(name, version, &suite), kNoErr) << name;
    return static_cast<const Suite*>(suite);
}

std::string base64(const std::string& bytes) {
    static const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t n = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[(n >> 18) & 63];
        out += alphabet[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? alphabet[(n >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? alphabet[n & 63] : '=';
    }
    return out;
}

// The start of a 24 x 24 PNG: signature and header chunk.
std::string pngHeader() {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x18\0\0\0\x18\x08\x06\0\0\0", 29);
    return png + std::string(4, '\0');
}

struct SuitesTest : ::testing::Test {
    std::string rsrc = std::string(QT_BINARY_DIR) + "/host_suites_test_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".rsrc";
    std::unique_ptr<Host> host;

    void SetUp() override {
        std::ofstream(rsrc) << R"({"indexStrings": {"16100": ["QuenTarb", "second"]},
            "images": {"16051": ")"
                            << base64(pngHeader()) << R"(", "16052": ")" << base64("not a png") << R"("},
            "cursors": {"16001": {"width": 32, "height": 32, "hotspot": [16, 15], "rows": []}},
            "dialogs": {"16201": {"caption": "QUENTARB ", "font": "MS Sans Serif", "pointSize": 8,
                                  "width": 113, "height": 145}}})";
        host = std::make_unique<Host>();
        ASSERT_EQ(host->loadStatic(ProbeMain, rsrc), kNoErr);
    }
    void TearDown() override {
        gProbe = nullptr;
        std::remove(rsrc.c_str());
    }
};

TEST_F(SuitesTest, EachMessageCarriesAFilledHeaderAndTheGlobalsSlotPersists) {
    static int object = 0;
    std::vector<std::string> seen;
    gProbe = [&](const char* caller, const char* selector, void* message) -> ASErr {
        auto* d = static_cast<SPMessageData*>(message);
        EXPECT_EQ(d->SPCheck, kSPValidSPMessageData);
        EXPECT_NE(d->self, nullptr);
        EXPECT_EQ(d->basic, qthost::basicSuite());
        seen.push_back(std::string(caller) + "/" + selector + (d->globals == &object ? " +globals" : ""));
        if (std::strcmp(selector, kSPInterfaceStartupSelector) == 0) d->globals = &object;
        return std::strcmp(selector, kSPAccessReloadSelector) == 0 ? kCantHappenErr : kNoErr;
    };
    host->startup();
    host->unload();
    host->reload();
    host->purge();
    host->shutdown();
    EXPECT_EQ(seen, (std::vector<std::string>{"SP Interface/Startup", "SP Access/Unload +globals",
                                              "SP Access/Reload +globals", "SP Cache/Plug-in Purge +globals",
                                              "SP Interface/Shutdown +globals"}));
    EXPECT_EQ(host->results().all(), (std::vector<ASErr>{kNoErr, kNoErr, kCantHappenErr, kNoErr, kNoErr}));
}

TEST_F(SuitesTest, SuitesAreAcquiredByExactNameAndVersion) {
    struct Row {
        const char* name;
        ASInt32 version;
        ASErr expected;
        const char* why;
    };
    const Row rows[] = {
        {kAIArtSuite, kAIArtSuiteVersion, kNoErr, "the version the plug-in asks for"},
        {kAIArtSuite, kAIArtSuiteVersion + 1000, kNoErr, "the Mac build's AI version + 1000"},
        {kAIArtSuite, kAIArtSuiteVersion - 1, kSuiteNotFoundErr, "another version"},
        {"AI Art suite", kAIArtSuiteVersion, kSuiteNotFoundErr, "names compare byte for byte"},
        {kSPBlocksSuite, kSPBlocksSuiteVersion + 1000, kSuiteNotFoundErr, "+1000 is for AI suites only"},
        {kADMBasicSuite, kADMBasicSuiteVersion2, kNoErr, "the older ADM Basic the error reporter asks for"},
        {kAIHitTestSuite, kAIHitTestSuiteVersion, kNoErr, "acquired but never called"},
        {"AI Nonexistent Suite", 1, kSuiteNotFoundErr, "unknown"},
    };
    for (const Row& row : rows) {
        const void* suite = reinterpret_cast<const void*>(1);
        EXPECT_EQ(qthost::basicSuite()->AcquireSuite(row.name, row.version, &suite), row.expected) << row.why;
        EXPECT_EQ(suite != nullptr, row.expected == kNoErr) << row.why;
    }
    EXPECT_EQ(host->records().suitesHeld.at(kAIArtSuite), 2);
    EXPECT_EQ(qthost::basicSuite()->ReleaseSuite(kAIArtSuite, kAIArtSuiteVersion), kNoErr);
    EXPECT_EQ(host->records().suitesHeld.at(kAIArtSuite), 1);
    EXPECT_EQ(qthost::basicSuite()->ReleaseSuite("AI Nonexistent Suite", 1), kSuiteNotFoundErr);
    const auto* uncalled = acquire<AIUncalledSuite>(kAIMeshSuite, kAIMeshSuiteVersion);
    EXPECT_EQ(uncalled->Placeholder(), kInvalidStateErr);
}

TEST_F(SuitesTest, TheNthFallibleCallFailsOnceAndInfallibleCallsDoNotCount) {
    const auto* art = acquire<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    const auto* random = acquire<AIRandomSuite>(kAIRandomSuite, kAIRandomSuiteVersion);
    host->setTracing(true);
    host->clearTrace();
    uint64_t start = host->fallibleCallCount();
    host->failNthCall(3, kInjectedFaultErr);
    AIArtHandle made[4] = {};
    std::vector<ASErr> results;
    for (AIArtHandle& h : made) {
        random->FloatRnd();
        results.push_back(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &h));
    }
    EXPECT_EQ(results, (std::vector<ASErr>{kNoErr, kNoErr, kInjectedFaultErr, kNoErr}));
    EXPECT_EQ(made[2], nullptr) << "the failed call made nothing";
    EXPECT_EQ(host->document().liveArtCount(), 3u);
    EXPECT_EQ(host->fallibleCallCount() - start, 4u);
    EXPECT_EQ(host->trace().size(), 8u);
    EXPECT_EQ(host->trace()[0], "AI Random Suite.FloatRnd");
    EXPECT_EQ(host->trace()[1], "AI Art Suite.NewArt");

    host->failNthCall(1, kOutOfMemoryErr);
    const void* suite = nullptr;
    EXPECT_EQ(qthost::basicSuite()->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion, &suite), kOutOfMemoryErr)
        << "acquisitions count as fallible calls";
    host->setTracing(false);
    art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made[0]);
    EXPECT_EQ(host->trace().size(), 9u) << "nothing is traced while tracing is off";
}

TEST_F(SuitesTest, AFailingSuiteFailsOnlyItsCurrentVersion) {
    host->failSuite(kADMBasicSuite, kInjectedFaultErr);
    const void* suite = nullptr;
    EXPECT_EQ(qthost::basicSuite()->AcquireSuite(kADMBasicSuite, kADMBasicSuiteVersion, &suite),
              kInjectedFaultErr);
    EXPECT_EQ(qthost::basicSuite()->AcquireSuite(kADMBasicSuite, kADMBasicSuiteVersion2, &suite), kNoErr);
    host->failSuite(kADMBasicSuite, kNoErr);
    EXPECT_EQ(qthost::basicSuite()->AcquireSuite(kADMBasicSuite, kADMBasicSuiteVersion, &suite), kNoErr);
}

TEST_F(SuitesTest, ResourcesAreReadFromTheFileBesideTheModule) {
    const auto* basic = acquire<ADMBasicSuite>(kADMBasicSuite, kADMBasicSuiteVersion);
    const auto* icons = acquire<ADMIconSuite>(kADMIconSuite, kADMIconSuiteVersion);
    const auto* dialogs = acquire<ADMDialogSuite>(kADMDialogSuite, kADMDialogSuiteVersion);
    char buffer[256];
    EXPECT_EQ(basic->GetIndexString(nullptr, 16100, 1, buffer, sizeof buffer), kNoErr);
    EXPECT_STREQ(buffer, "QuenTarb");
    EXPECT_EQ(basic->GetIndexString(nullptr, 16100, 2, buffer, 4), kNoErr);
    EXPECT_STREQ(buffer, "sec") << "truncated to the buffer, always terminated";
    EXPECT_NE(basic->GetIndexString(nullptr, 16100, 3, buffer, sizeof buffer), kNoErr);
    EXPECT_STREQ(buffer, "") << "a missing entry reads empty";
    EXPECT_NE(basic->GetIndexString(nullptr, 16050, 1, buffer, sizeof buffer), kNoErr);

    ADMIconRef good = icons->GetFromResource(nullptr, 16050, 1);
    ADMIconRef bad = icons->GetFromResource(nullptr, 16050, 2);
    EXPECT_NE(icons->GetType(good), kADMUnknownIconType) << "a PNG is usable";
    EXPECT_EQ(icons->GetType(bad), kADMUnknownIconType) << "bytes that are no image";
    EXPECT_EQ(icons->GetFromResource(nullptr, 16050, 3), nullptr);
    EXPECT_EQ(icons->GetType(nullptr), kADMUnknownIconType);

    dialogs->Create(nullptr, "Framed", 16201, 3, nullptr, nullptr, 0);
    dialogs->Create(nullptr, "Bare", 16100, 2, nullptr, nullptr, 0);
    EXPECT_EQ(host->dialogs().find("Framed")->title(), "QUENTARB ") << "the caption of the dialog resource";
    EXPECT_EQ(host->dialogs().find("Framed")->width(), 113);
    EXPECT_EQ(host->dialogs().find("Bare")->title(), "");

    EXPECT_EQ(basic->SetPlatformCursor(nullptr, 16001), kNoErr);
    EXPECT_NE(basic->SetPlatformCursor(nullptr, 17000), kNoErr);
    EXPECT_EQ(host->records().cursors, std::vector<int32_t>{16001});
}

TEST_F(SuitesTest, ADragRevertsToItsMouseDownAndTheUserCanUndoIt) {
    const auto* art = acquire<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    const auto* undo = acquire<AIUndoSuite>(kAIUndoSuite, kAIUndoSuiteVersion);
    const auto* tracker = acquire<ADMTrackerSuite>(kADMTrackerSuite, kADMTrackerSuiteVersion);
    std::vector<std::pair<int16_t, uint32_t>> input;
    // Like the plug-in: every drag event reverts the last one's art and draws anew.
    gProbe = [&](const char*, const char* selector, void* message) -> ASErr {
        auto* tool = static_cast<AIToolMessage*>(message);
        if (std::strcmp(selector, kSelectorAIToolMouseDrag) == 0) {
            undo->UndoChanges();
            input.emplace_back(tool->pressure, tracker->GetModifiers(nullptr));
            AIArtHandle a = nullptr;
            for (int i = 0; i < 3; ++i) art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a);
        }
        if (std::strcmp(selector, kSelectorAIToolMouseUp) == 0) return undo->UndoChanges();
        return kNoErr;
    };
    AIArtHandle before = nullptr;
    art->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &before);
    for (int drag = 0; drag < 2; ++drag) {
        host->mouseDown({0, 0});
        host->mouseDrag({1, 1}, 100, kShiftModifier);
        host->mouseDrag({2, 2}, 200, kOptionModifier);
        EXPECT_EQ(host->mouseUp(), kNoErr);
        EXPECT_EQ(host->document().liveArtCount(), 1u + 3u * (drag + 1)) << "the up reverts nothing";
    }
    EXPECT_EQ(input[1], (std::pair<int16_t, uint32_t>{200, kOptionModifier})) << "pressure and modifiers";
    EXPECT_TRUE(host->undoLastDrag());
    EXPECT_EQ(host->document().liveArtCount(), 4u);
    EXPECT_TRUE(host->undoLastDrag());
    EXPECT_EQ(host->document().layerArt(0), std::vector<AIArtHandle>{before});
    EXPECT_FALSE(host->undoLastDrag()) << "nothing older is a drag";
}

TEST(HostConfigSuites, TheDocumentAndToolAnswerFromTheConfig) {
    struct Row {
        qthost::HostConfig config;
        AIRealRect view;
        ASInt32 swatchKind;
        const char* why;
    };
    qthost::HostConfig cmyk;
    cmyk.colorModel = qthost::ColorModel::cmyk;
    cmyk.pageWidth = 300;
    cmyk.pageHeight = 200;
    cmyk.pressureDevice = true;
    qthost::HostConfig viewed;
    viewed.view = AIRealRect{-100, 900, 700, -50};
    viewed.colorModel = qthost::ColorModel::gray;
    const Row rows[] = {
        {{}, {0, 792, 612, 0}, kThreeColor, "defaults: letter page, RGB"},
        {cmyk, {0, 200, 300, 0}, kFourColor, "the view follows the page"},
        {viewed, {-100, 900, 700, -50}, kGrayColor, "a view of its own"},
    };
    for (const Row& row : rows) {
        Host host(row.config);
        const auto* document = acquire<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
        const auto* view = acquire<AIDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
        const auto* tool = acquire<AIToolSuite>(kAIToolSuite, kAIToolSuiteVersion);
        const auto* swatches = acquire<AISwatchListSuite>(kAISwatchListSuite, kAISwatchListSuiteVersion);
        AIDocumentSetup setup{};
        ASSERT_EQ(document->GetDocumentSetup(&setup), kNoErr);
        EXPECT_EQ(setup.width, row.config.pageWidth) << row.why;
        AIRealRect bounds{};
        AIRealPoint centre{};
        ASSERT_EQ(view->GetDocumentViewBounds(nullptr, &bounds), kNoErr);
        ASSERT_EQ(view->GetDocumentViewCenter(nullptr, &centre), kNoErr);
        EXPECT_EQ(bounds.top, row.view.top) << row.why;
        EXPECT_EQ(bounds.left, row.view.left) << row.why;
        EXPECT_EQ(centre.h, (row.view.left + row.view.right) / 2) << row.why;
        EXPECT_EQ(centre.v, (row.view.top + row.view.bottom) / 2) << row.why;
        ASBoolean pressure = 2;
        ASSERT_EQ(tool->SystemHasPressure(&pressure), kNoErr);
        EXPECT_EQ(pressure, row.config.pressureDevice ? 1 : 0) << row.why;

        ASSERT_GE(swatches->CountSwatches(nullptr), 20) << "four fixed swatches and 16 colours";
        EXPECT_EQ(host.document().swatches()[0].name, "[None]");
        EXPECT_EQ(host.document().swatches()[1].name, "[Registration]");
        EXPECT_EQ(host.document().swatches()[2].name, "White");
        EXPECT_EQ(host.document().swatches()[3].name, "Black");
        AIColor color{};
        ASSERT_EQ(swatches->GetAIColor(swatches->GetNthSwatch(nullptr, 4), &color), kNoErr);
        EXPECT_EQ(color.kind, row.swatchKind) << row.why;
        EXPECT_EQ(swatches->GetNthSwatch(nullptr, swatches->CountSwatches(nullptr)), nullptr)
            << "past the end";
    }
}

}  // namespace

// An envelope consumes the art it is shaped like: the shape is part of the envelope, not a
// sibling of anything, so no call may place art beside it or move it out.
TEST_F(SuitesTest, AnEnvelopesShapeIsNeitherAPlaceNorMovable) {
    const auto* art = acquire<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    const auto* envelopes = acquire<AIEnvelopeSuite>(kAIEnvelopeSuite, kAIEnvelopeSuiteVersion);
    const qthost::Document& doc = host->document();
    AIArtHandle content = nullptr, shape = nullptr, envelope = nullptr, other = nullptr;
    ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &content), kNoErr);
    ASSERT_EQ(art->DuplicateArt(content, kPlaceAboveAll, nullptr, &shape), kNoErr);
    ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &other), kNoErr);
    ASSERT_EQ(envelopes->MakeEnvelope(&content, 1, shape, nullptr, &envelope), kNoErr);
    const std::string before = qttest::describe(doc);
    const size_t log = doc.changeLogSize();

    struct Row {
        std::function<ASErr()> call;
        const char* why;
    };
    AIArtHandle made = nullptr;
    const Row rows[] = {
        {[&] { return art->NewArt(kPathArt, kPlaceAbove, shape, &made); }, "new art above the shape"},
        {[&] { return art->NewArt(kPathArt, kPlaceBelow, shape, &made); }, "new art below the shape"},
        {[&] { return art->NewArt(kPathArt, kPlaceInsideOnTop, shape, &made); }, "new art inside the shape"},
        {[&] { return art->DuplicateArt(other, kPlaceAbove, shape, &made); }, "a copy above the shape"},
        {[&] { return art->ReorderArt(other, kPlaceBelow, shape); }, "art moved below the shape"},
        {[&] { return art->ReorderArt(shape, kPlaceAboveAll, nullptr); }, "the shape moved out"},
        {[&] { return art->ReorderArt(shape, kPlaceAbove, other); }, "the shape moved beside other art"},
        {[&] { return art->DisposeArt(shape); }, "the shape disposed of on its own"},
        {[&] { return envelopes->MakeEnvelope(&shape, 1, other, nullptr, &made); }, "the shape as content"},
        {[&] { return envelopes->MakeEnvelope(&other, 1, shape, nullptr, &made); },
         "the shape shaping another"},
    };
    for (const Row& row : rows) {
        made = nullptr;
        EXPECT_NE(row.call(), kNoErr) << row.why;
        EXPECT_EQ(made, nullptr) << row.why;
        EXPECT_EQ(qttest::describe(doc), before) << row.why;
        EXPECT_EQ(doc.changeLogSize(), log) << row.why;
    }
    // The envelope's contents still chain from first to last, and the shape is still its own.
    EXPECT_EQ(doc.children(envelope), std::vector<AIArtHandle>{content});
    EXPECT_EQ(doc.envelopeShape(envelope), shape);
    EXPECT_EQ(doc.nextSibling(shape), nullptr);
    // Edits in place are fine: the shape is part of the envelope, as its contents are.
    const AIRealMatrix shift{1, 0, 0, 1, 5, 0};
    const auto* transform = acquire<AITransformArtSuite>(kAITransformArtSuite, kAITransformArtSuiteVersion);
    EXPECT_EQ(transform->TransformArt(shape, &shift, 1, kTransformObjects), kNoErr);
}
