// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/StartUpChecks.h"
#include "platform/ui/MessageBox.h"
#include "resources/StringTable.h"

// Made-up answers of the platform, and a record of what was asked.
class CFakeStartUpPlatform : public IStartUpPlatform {
public:
    OsVersionInfo m_version{6, 0, true};
    bool m_bCsdReadable = true;
    uint32_t m_nCsdVersion = 4;
    bool m_bDirectX = true;
    bool m_bCaptionFree = true;
    unsigned m_nTimerAnswer = TIMERR_NOERROR;

    int m_nCsdReads = 0;
    int m_nDirectXProbes = 0;
    int m_nClaims = 0;
    int m_nReleases = 0;
    int m_nTimerBegins = 0;
    int m_nTimerEnds = 0;
    std::string m_strClaimedCaption;

    OsVersionInfo GetOsVersion() override { return m_version; }
    bool ReadCsdVersion(uint32_t& nValue) override {
        ++m_nCsdReads;
        nValue = m_nCsdVersion;
        return m_bCsdReadable;
    }
    bool ProbeDirectX() override {
        ++m_nDirectXProbes;
        return m_bDirectX;
    }
    bool ClaimCaption(const std::string& strCaption) override {
        ++m_nClaims;
        m_strClaimedCaption = strCaption;
        return m_bCaptionFree;
    }
    void ReleaseCaption() override { ++m_nReleases; }
    unsigned TimeBeginPeriod(unsigned) override {
        ++m_nTimerBegins;
        return m_nTimerAnswer;
    }
    unsigned TimeEndPeriod(unsigned) override {
        ++m_nTimerEnds;
        return TIMERR_NOERROR;
    }
};

// Collects the message boxes and beeps instead of showing them.
class CMessageRecorder {
public:
    struct Box {
        QString text;  // the designed text
        unsigned nIcon;
        QString detail;  // the line beneath it, if any
    };
    CMessageRecorder() {
        MessageHooks hooks;
        hooks.detailedBox = [this](const QString& text, const QString& detail, unsigned nIcon) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_boxes.push_back({text, nIcon, detail});
        };
        hooks.question = [this](const QString& text) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_questions.push_back(text);
            return m_bAnswerYes;
        };
        hooks.beep = [this](unsigned nType) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_beeps.push_back(nType);
        };
        SetMessageHooks(hooks);
    }
    ~CMessageRecorder() { ClearMessageHooks(); }
    std::vector<Box> Boxes() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_boxes;
    }
    std::vector<unsigned> Beeps() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_beeps;
    }
    void Clear() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_boxes.clear();
        m_beeps.clear();
        m_questions.clear();
    }
    // Questions asked, and the answer given to them (No unless told).
    std::vector<QString> Questions() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_questions;
    }
    void AnswerYes(bool bYes) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bAnswerYes = bYes;
    }
    // True when exactly one box was shown and it had this string and icon.
    bool ShowedOnly(unsigned nStringId, unsigned nIcon) {
        const auto boxes = Boxes();
        return boxes.size() == 1 && boxes[0].text == QString::fromUtf8(LoadResString(nStringId)) &&
               boxes[0].nIcon == nIcon;
    }

private:
    std::mutex m_mutex;
    std::vector<Box> m_boxes;
    std::vector<unsigned> m_beeps;
    std::vector<QString> m_questions;
    bool m_bAnswerYes = false;
};

// Ends the test program when a step does not finish within the limit: a
// hang shows as a failure instead of a stuck run.
class CWatchdog {
public:
    CWatchdog(const char* pszWhat, std::chrono::seconds limit) {
        m_thread = std::thread([this, pszWhat, limit] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_bDone; })) {
                std::fprintf(stderr, "watchdog: %s did not finish in time\n", pszWhat);
                std::_Exit(3);
            }
        });
    }
    ~CWatchdog() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bDone = true;
        }
        m_done.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_bDone = false;
    std::thread m_thread;
};

// Processes events until the condition holds or the limit passes.
inline bool WaitFor(const std::function<bool()>& fnDone, int nLimitMs = 10000) {
    const auto tEnd = std::chrono::steady_clock::now() + std::chrono::milliseconds(nLimitMs);
    while (!fnDone()) {
        if (std::chrono::steady_clock::now() > tEnd) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
