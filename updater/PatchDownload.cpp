#include "updater/PatchDownload.h"

#include "updater/HttpUrl.h"
#include "updater/PatchDigest.h"
#include "updater/ResumeDecision.h"
#include "updater/UpdateTexts.h"

using namespace updatetext;

DownloadOutcome CPatchDownload::Fail(const char* text, const char* caption, MessageIcon icon,
                                     bool systemModal, DownloadOutcome outcome) {
    m_file.Close();
    m_view.ShowMessage({text, caption, icon, systemModal});
    return outcome;
}

DownloadOutcome CPatchDownload::Run(const CPatchDownloadSetup& setup) {
    m_view.SetStatus(kStatusChecking);
    CHttpUrlParts url;
    if (!SplitHttpUrl(setup.patchUrl, url) || !m_http.Open())
        return Fail(kCouldNotConnect, kCaption, MessageIcon::Error, true, DownloadOutcome::Failed);

    m_view.SetStatus(kStatusConnecting);
    if (!m_http.Connect(url.server, url.port))
        return Fail(kCouldNotConnect, kCaption, MessageIcon::Error, true, DownloadOutcome::Failed);

    m_view.SetStatus(kStatusSending);
    long status = 0;
    if (!m_http.OpenRequest(url.object) || !m_http.SendRequest() || !m_http.QueryStatus(status))
        return Fail(kFailedToConnect, nullptr, MessageIcon::None, false, DownloadOutcome::Failed);
    if (status != 200)
        return Fail(kFileNotFound, kCaption, MessageIcon::Error, false, DownloadOutcome::NotFound);

    DownloadOutcome failure = DownloadOutcome::Failed;
    if (!OpenTarget(url.object, failure)) return failure;

    m_view.SetStatus(kStatusUpgrading);
    if (!Transfer(failure)) return failure;
    return Finish(setup.publishedSha256);
}

bool CPatchDownload::OpenTarget(const std::string& object, DownloadOutcome& failure) {
    if (!m_file.OpenExisting()) {
        m_byteCount = 0;
        if (m_file.Create()) return true;
        failure = DownloadOutcome::WriteFailed;
        return false;
    }

    m_view.SetStatus(kStatusResuming);
    m_byteCount = m_file.Length();
    if (!m_http.SendRangeRequest(object, RangeHeader(m_byteCount))) {
        failure = Fail(kResumeFailed, nullptr, MessageIcon::None, false, DownloadOutcome::Failed);
        return false;
    }
    long status = 0;
    if (!m_http.QueryStatus(status)) {
        failure = Fail(kFailedToConnect, nullptr, MessageIcon::None, false, DownloadOutcome::Failed);
        return false;
    }
    // A server that ignores the range sends the whole file; appending it would corrupt the patch.
    switch (DecideRangeAnswer(status)) {
    case RangeAnswer::Continue:
        if (m_file.Seek(m_byteCount)) break;
        m_file.Close();
        failure = DownloadOutcome::WriteFailed;
        return false;
    case RangeAnswer::Restart:
        m_byteCount = 0;
        if (m_file.Truncate()) break;
        m_file.Close();
        failure = DownloadOutcome::WriteFailed;
        return false;
    case RangeAnswer::NotFound:
        failure = Fail(kFileNotFound, kCaption, MessageIcon::Error, false, DownloadOutcome::NotFound);
        return false;
    }
    m_view.SetProgress(m_byteCount);
    return true;
}

bool CPatchDownload::Transfer(DownloadOutcome& stop) {
    char buffer[kReadSize];
    size_t bytesRead = 0;
    do {
        if (!m_http.Read(buffer, sizeof buffer, bytesRead)) {
            // Cancel closes the session under a pending read; that failure is no news to the user.
            if (m_cancel) break;
            stop = Fail(kReadFailed, kCaption, MessageIcon::Warning, false, DownloadOutcome::Failed);
            return false;
        }
        if (bytesRead > 0) {
            if (!m_file.Write(buffer, bytesRead)) {
                m_file.Close();
                stop = DownloadOutcome::WriteFailed;
                return false;
            }
            m_byteCount += static_cast<long long>(bytesRead);
            if (m_cancel) break;
        }
        m_view.SetProgress(m_byteCount);
    } while (m_byteCount < m_size.PatchSize() && bytesRead > 0);

    if (!m_cancel) return true;
    m_file.Close();
    stop = DownloadOutcome::Cancelled;
    return false;
}

DownloadOutcome CPatchDownload::Finish(const std::string& publishedSha256) {
    if (m_file.Length() != m_size.PatchSize()) {
        m_file.Close();
        return DownloadOutcome::Incomplete;
    }
    m_view.SetStatus(kStatusFinishing);
    m_file.Close();
    if (!publishedSha256.empty() && !DigestAllowsStart(publishedSha256, m_file.Sha256Hex())) {
        m_file.Remove();
        m_view.ShowMessage({kFileNotFound, kCaption, MessageIcon::Error, false});
        return DownloadOutcome::DigestMismatch;
    }
    m_view.Hide();
    m_view.StartPatch();
    return DownloadOutcome::Started;
}
