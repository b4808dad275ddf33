// Shared by the report box, chart screen and save screen tests: recorders for the
// opened addresses and the shown messages, a known chart, and mouse helpers.
#pragma once

#include "Delhi1985.h"
#include "ReportBox.h"
#include "UserMessages.h"
#include "WebLinks.h"
#include "chart/ChartRun.h"
#include "windows/BirthTimeWindows.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <variant>
#include <vector>

namespace orbenza::testing {

// Records every address handed to the browser while it lives.
class RecordedUrls {
public:
    RecordedUrls() {
        m_previous = setUrlOpener([this](const QUrl& url) {
            m_urls.push_back(url);
            return true;
        });
    }
    ~RecordedUrls() { setUrlOpener(m_previous); }
    RecordedUrls(const RecordedUrls&) = delete;
    RecordedUrls& operator=(const RecordedUrls&) = delete;
    const std::vector<QUrl>& urls() const { return m_urls; }

private:
    std::vector<QUrl> m_urls;
    UrlOpener m_previous;
};

struct ShownMessage {
    QString text;
    MessageIcon icon;
};

// Records every message box instead of showing it.
class RecordedMessages {
public:
    RecordedMessages() {
        m_previous = setMessagePresenter([this](QWidget*, const QString& text, MessageIcon icon) {
            m_messages.push_back({text, icon});
        });
    }
    ~RecordedMessages() { setMessagePresenter(m_previous); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;
    const std::vector<ShownMessage>& messages() const { return m_messages; }

private:
    std::vector<ShownMessage> m_messages;
    MessagePresenter m_previous;
};

// The birth entries of the known chart: ANNA, 15 June 1985 14:30 in Delhi.
inline BirthInput annaEntries() {
    return delhi1985Input();
}

// The chart of an input as the program shows it, birth-time windows included.
inline ChartResult chartOf(const BirthInput& input) {
    auto outcome = chartOfInput(input);
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        ADD_FAILURE() << "the chart was refused: " << static_cast<int>(refusal->problem);
        return {};
    }
    addBirthTimeWindows(std::get<ChartResult>(outcome));
    return std::get<ChartResult>(outcome);
}

// The point in the box's viewport where character `position` of its document is
// drawn (inside the character, not on its edge).
inline QPoint pointOfCharacter(const QTextEdit& box, int position) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position);
    const QRect before = box.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = box.cursorRect(cursor);
    const int x =
        after.top() == before.top() ? (before.left() + after.left()) / 2 : before.left() + 2;
    return {x, before.center().y()};
}

// Document position of the first occurrence of text in the box; -1 if absent.
inline int positionOf(const QTextEdit& box, const QString& text) {
    const QTextCursor found = box.document()->find(text);
    return found.isNull() ? -1 : found.selectionStart();
}

// The whole content of a file; empty when it cannot be read.
inline QByteArray fileContent(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Stdout of a helper program; nothing when it is missing or fails.
inline std::optional<QString> runTool(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Lowers the largest file this process may write while it lives, so a write
// fails part-way as on a full disk (for root too).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_ok = getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_previous;
        lowered.rlim_cur = bytes;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return m_ok; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace orbenza::testing
