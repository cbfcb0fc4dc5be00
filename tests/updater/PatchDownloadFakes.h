#pragma once
// In-memory stand-ins for the update server, the patch file and the update window.
#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "updater/DownloadPorts.h"

// Serves one patch body; each switch makes one step of the exchange fail or answer differently.
class CFakeHttpSession : public IHttpSession {
public:
    std::string body;
    bool openFails = false, connectFails = false, openRequestFails = false, sendFails = false;
    bool statusFails = false, rangeSendFails = false, rangeStatusFails = false;
    long status = 200;
    long rangeStatus = 206;              // 200 makes the range answer the whole body
    size_t closeAfter = std::string::npos;  // body bytes of an answer before the server stops
    size_t failReadAfter = std::string::npos;
    std::atomic<bool>* cancelAfterFirstRead = nullptr;
    bool cancelFailsRead = false;        // the cancel closes the session under the next read

    std::vector<std::string> requests;   // "GET <object>" plus " <header>" for the range request

    bool Open() override { return !openFails; }
    bool Connect(const std::string& server, unsigned short port) override {
        connected = server + ":" + std::to_string(port);
        return !connectFails;
    }
    bool OpenRequest(const std::string& object) override {
        if (openRequestFails) return false;
        requests.push_back("GET " + object);
        return true;
    }
    bool SendRequest() override {
        Answer(status, 0);
        return !sendFails;
    }
    bool SendRangeRequest(const std::string& object, const std::string& rangeHeader) override {
        requests.push_back("GET " + object + " " + rangeHeader);
        size_t from = std::stoul(rangeHeader.substr(rangeHeader.find('=') + 1));
        Answer(rangeStatus, rangeStatus == 206 ? from : 0);
        rangeAnswer = true;
        return !rangeSendFails;
    }
    bool QueryStatus(long& out) override {
        out = current;
        return !(rangeAnswer ? rangeStatusFails : statusFails);
    }
    bool Read(char* buffer, size_t size, size_t& bytesRead) override {
        ++reads;
        if (cancelAfterFirstRead && reads == 2) {
            cancelAfterFirstRead->store(true);
            if (cancelFailsRead) return false;
        }
        if (sentInAnswer >= failReadAfter) return false;
        size_t left = offset >= body.size() ? 0 : std::min(body.size() - offset, closeAfter - sentInAnswer);
        bytesRead = std::min(size, left);
        body.copy(buffer, bytesRead, offset);
        offset += bytesRead;
        sentInAnswer += bytesRead;
        return true;
    }

    std::string connected;

private:
    void Answer(long code, size_t from) {
        current = code;
        offset = from;
        sentInAnswer = 0;
    }
    long current = 0;
    bool rangeAnswer = false;
    size_t offset = 0, sentInAnswer = 0;
    int reads = 0;
};

class CFakePatchFile : public IPatchFile {
public:
    std::optional<std::string> content;  // no value: no file at the patch path
    bool createFails = false;
    size_t writeFailsAt = std::string::npos;  // content size at which writing stops working
    std::string digestOfBody, bodyForDigest;  // the digest Sha256Hex reports for that content

    bool OpenExisting() override {
        if (!content) return false;
        open = true;
        position = content->size();
        return true;
    }
    bool Create() override {
        if (createFails) return false;
        content = std::string();
        open = true;
        position = 0;
        return true;
    }
    long long Length() override { return content ? static_cast<long long>(content->size()) : -1; }
    bool Seek(long long offset) override {
        position = static_cast<size_t>(offset);
        return open;
    }
    bool Truncate() override {
        content->clear();
        position = 0;
        return open;
    }
    bool Write(const char* data, size_t size) override {
        if (!open || content->size() >= writeFailsAt) return false;
        if (content->size() < position + size) content->resize(position + size);
        content->replace(position, size, data, size);
        position += size;
        return true;
    }
    void Close() override { open = false; }
    bool Remove() override {
        content.reset();
        return true;
    }
    std::string Sha256Hex() override {
        if (open || !content) return "";
        return *content == bodyForDigest ? digestOfBody : std::string(64, '0');
    }

    bool open = false;

private:
    size_t position = 0;
};

// Records what the window was told, in order; progress positions separately.
class CRecordingView : public IDownloadView {
public:
    std::vector<std::string> events;
    std::vector<long long> progress;

    void SetStatus(const char* text) override { events.push_back(std::string("status ") + text); }
    void SetProgress(long long byteCount) override { progress.push_back(byteCount); }
    void ShowMessage(const CDownloadMessage& m) override {
        static const char* const kIcons[] = {"none", "error", "warning"};
        events.push_back(std::string("message ") + m.text + " | " + (m.caption ? m.caption : "<app>") +
                         " | " + kIcons[static_cast<int>(m.icon)] + (m.systemModal ? " | system-modal" : ""));
    }
    void Hide() override { events.push_back("hide"); }
    void StartPatch() override { events.push_back("start"); }
};

class CFixedPatchSize : public IPatchSizeSource {
public:
    long long size = 0;
    int queries = 0;
    long long PatchSize() override {
        ++queries;
        return size;
    }
};
