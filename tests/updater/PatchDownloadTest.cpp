#include "updater/PatchDownload.h"

#include <gtest/gtest.h>

#include <functional>

#include "PatchDownloadFakes.h"
#include "updater/UpdateTexts.h"

namespace {

using namespace updatetext;

constexpr char kUrl[] = "http://updates.zelvo.test/zelvoupdates/ZelvoPatch.exe";
constexpr char kObject[] = "/zelvoupdates/ZelvoPatch.exe";
const std::string kDigest(64, 'a');

std::string Body() {
    std::string body(5000, '\0');
    for (size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>('A' + (i * 7) % 26);
    return body;
}

const std::string kStatusChecking_ = std::string("status ") + kStatusChecking;
const std::string kConnecting = std::string("status ") + kStatusConnecting;
const std::string kSending = std::string("status ") + kStatusSending;
const std::string kResuming = std::string("status ") + kStatusResuming;
const std::string kUpgrading = std::string("status ") + kStatusUpgrading;
const std::string kFinishing = std::string("status ") + kStatusFinishing;
const std::string kNotFound = std::string("message ") + kFileNotFound + " | " + kCaption + " | error";
const std::string kNoInternet =
    std::string("message ") + kCouldNotConnect + " | " + kCaption + " | error | system-modal";
const std::string kNoRequest = std::string("message ") + kFailedToConnect + " | <app> | none";

struct Fixture {
    CFakeHttpSession http;
    CFakePatchFile file;
    CRecordingView view;
    CFixedPatchSize size;
    std::atomic<bool> cancel{false};
    std::string sha256;
};

struct DownloadCase {
    const char* name;
    std::function<void(Fixture&)> arrange;
    DownloadOutcome outcome;
    std::vector<std::string> events;
    std::vector<std::string> requests;
    std::optional<std::string> file;  // content at the patch path afterwards
    long long firstProgress;          // -1: no progress shown
    long long lastProgress;
};

std::vector<DownloadCase> Cases() {
    const std::string body = Body();
    const std::string head = body.substr(0, 3000);
    const std::string get = std::string("GET ") + kObject;
    auto withPartial = [](std::string partial) { return [partial](Fixture& f) { f.file.content = partial; }; };
    return {
        {"fresh download is started", [](Fixture&) {}, DownloadOutcome::Started,
         {kStatusChecking_, kConnecting, kSending, kUpgrading, kFinishing, "hide", "start"}, {get}, body, 1024, 5000},
        {"partial file continues with a range request", withPartial(head), DownloadOutcome::Started,
         {kStatusChecking_, kConnecting, kSending, kResuming, kUpgrading, kFinishing, "hide", "start"},
         {get, get + " Range:bytes=3000-"}, body, 3000, 5000},
        {"empty file continues from byte 0", withPartial(""), DownloadOutcome::Started,
         {kStatusChecking_, kConnecting, kSending, kResuming, kUpgrading, kFinishing, "hide", "start"},
         {get, get + " Range:bytes=0-"}, body, 0, 5000},
        {"server ignoring the range restarts the file from 0",
         [head](Fixture& f) { f.file.content = head; f.http.rangeStatus = 200; }, DownloadOutcome::Started,
         {kStatusChecking_, kConnecting, kSending, kResuming, kUpgrading, kFinishing, "hide", "start"},
         {get, get + " Range:bytes=3000-"}, body, 0, 5000},
        {"range refused keeps the partial file",
         [head](Fixture& f) { f.file.content = head; f.http.rangeStatus = 416; }, DownloadOutcome::NotFound,
         {kStatusChecking_, kConnecting, kSending, kResuming, kNotFound},
         {get, get + " Range:bytes=3000-"}, head, -1, -1},
        {"range request not sent", [head](Fixture& f) { f.file.content = head; f.http.rangeSendFails = true; },
         DownloadOutcome::Failed,
         {kStatusChecking_, kConnecting, kSending, kResuming, std::string("message ") + kResumeFailed + " | <app> | none"},
         {get, get + " Range:bytes=3000-"}, head, -1, -1},
        {"range status unreadable", [head](Fixture& f) { f.file.content = head; f.http.rangeStatusFails = true; },
         DownloadOutcome::Failed, {kStatusChecking_, kConnecting, kSending, kResuming, kNoRequest},
         {get, get + " Range:bytes=3000-"}, head, -1, -1},
        {"no session", [](Fixture& f) { f.http.openFails = true; }, DownloadOutcome::Failed,
         {kStatusChecking_, kNoInternet}, {}, std::nullopt, -1, -1},
        {"no connection", [](Fixture& f) { f.http.connectFails = true; }, DownloadOutcome::Failed,
         {kStatusChecking_, kConnecting, kNoInternet}, {}, std::nullopt, -1, -1},
        {"request not opened", [](Fixture& f) { f.http.openRequestFails = true; }, DownloadOutcome::Failed,
         {kStatusChecking_, kConnecting, kSending, kNoRequest}, {}, std::nullopt, -1, -1},
        {"request not sent", [](Fixture& f) { f.http.sendFails = true; }, DownloadOutcome::Failed,
         {kStatusChecking_, kConnecting, kSending, kNoRequest}, {get}, std::nullopt, -1, -1},
        {"status unreadable", [](Fixture& f) { f.http.statusFails = true; }, DownloadOutcome::Failed,
         {kStatusChecking_, kConnecting, kSending, kNoRequest}, {get}, std::nullopt, -1, -1},
        {"404 leaves the partial file untouched",
         [head](Fixture& f) { f.file.content = head; f.http.status = 404; }, DownloadOutcome::NotFound,
         {kStatusChecking_, kConnecting, kSending, kNotFound}, {get}, head, -1, -1},
        {"read failure keeps what arrived", [](Fixture& f) { f.http.failReadAfter = 2048; },
         DownloadOutcome::Failed,
         {kStatusChecking_, kConnecting, kSending, kUpgrading,
          std::string("message ") + kReadFailed + " | " + kCaption + " | warning"},
         {get}, body.substr(0, 2048), 1024, 2048},
        {"server closing early ends silently", [](Fixture& f) { f.http.closeAfter = 2500; },
         DownloadOutcome::Incomplete, {kStatusChecking_, kConnecting, kSending, kUpgrading}, {get},
         body.substr(0, 2500), 1024, 2500},
        {"more bytes than the patch size are not started", [](Fixture& f) { f.size.size = 4000; },
         DownloadOutcome::Incomplete, {kStatusChecking_, kConnecting, kSending, kUpgrading}, {get},
         body.substr(0, 4096), 1024, 4096},
        {"write failure ends silently", [](Fixture& f) { f.file.writeFailsAt = 2048; }, DownloadOutcome::WriteFailed,
         {kStatusChecking_, kConnecting, kSending, kUpgrading}, {get}, body.substr(0, 2048), 1024, 2048},
        {"file not created ends silently", [](Fixture& f) { f.file.createFails = true; }, DownloadOutcome::WriteFailed,
         {kStatusChecking_, kConnecting, kSending}, {get}, std::nullopt, -1, -1},
        {"matching digest is started", [](Fixture& f) { f.sha256 = kDigest; }, DownloadOutcome::Started,
         {kStatusChecking_, kConnecting, kSending, kUpgrading, kFinishing, "hide", "start"}, {get}, body, 1024, 5000},
        {"digest mismatch deletes the file", [](Fixture& f) { f.sha256 = std::string(64, 'b'); },
         DownloadOutcome::DigestMismatch, {kStatusChecking_, kConnecting, kSending, kUpgrading, kFinishing, kNotFound},
         {get}, std::nullopt, 1024, 5000},
        {"malformed digest is never started", [](Fixture& f) { f.sha256 = "abc"; }, DownloadOutcome::DigestMismatch,
         {kStatusChecking_, kConnecting, kSending, kUpgrading, kFinishing, kNotFound}, {get}, std::nullopt, 1024, 5000},
        {"cancel between reads", [](Fixture& f) { f.http.cancelAfterFirstRead = &f.cancel; },
         DownloadOutcome::Cancelled, {kStatusChecking_, kConnecting, kSending, kUpgrading}, {get},
         body.substr(0, 2048), 1024, 1024},
        {"cancel under a pending read is no read failure",
         [](Fixture& f) { f.http.cancelAfterFirstRead = &f.cancel; f.http.cancelFailsRead = true; },
         DownloadOutcome::Cancelled, {kStatusChecking_, kConnecting, kSending, kUpgrading}, {get},
         body.substr(0, 1024), 1024, 1024},
    };
}

TEST(PatchDownload, StatusAndMessageSequence) {
    for (const DownloadCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.http.body = Body();
        f.size.size = static_cast<long long>(f.http.body.size());
        f.file.bodyForDigest = f.http.body;
        f.file.digestOfBody = kDigest;
        c.arrange(f);

        CPatchDownload download(f.http, f.file, f.view, f.size, f.cancel);
        EXPECT_EQ(download.Run({kUrl, f.sha256}), c.outcome);

        EXPECT_EQ(f.view.events, c.events);
        EXPECT_EQ(f.http.requests, c.requests);
        EXPECT_EQ(f.file.content, c.file);
        EXPECT_FALSE(f.file.open) << "the file is closed however the download ends";
        if (c.firstProgress < 0) {
            EXPECT_TRUE(f.view.progress.empty());
        } else {
            ASSERT_FALSE(f.view.progress.empty());
            EXPECT_EQ(f.view.progress.front(), c.firstProgress);
            EXPECT_EQ(f.view.progress.back(), c.lastProgress);
        }
    }
}

TEST(PatchDownload, ConnectsToTheServerOfThePatchAddress) {
    Fixture f;
    f.http.body = Body();
    f.size.size = 5000;
    CPatchDownload download(f.http, f.file, f.view, f.size, f.cancel);
    download.Run({"http://updates.zelvo.test:8080/zelvoupdates/p.exe", ""});
    EXPECT_EQ(f.http.connected, "updates.zelvo.test:8080");
    EXPECT_EQ(f.http.requests.front(), "GET /zelvoupdates/p.exe");
}

// The description is read again on every pass of the loop, so a size that changes is seen.
TEST(PatchDownload, PatchSizeIsAskedOnEveryPass) {
    Fixture f;
    f.http.body = Body();
    f.size.size = 5000;
    CPatchDownload download(f.http, f.file, f.view, f.size, f.cancel);
    EXPECT_EQ(download.Run({kUrl, ""}), DownloadOutcome::Started);
    EXPECT_GE(f.size.queries, 5);
}

}  // namespace
