// Recorders that stand in for the message box and the web browser while a test
// runs: they keep what would have been shown or opened.
#pragma once

#include "UserMessages.h"
#include "WebLinks.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <vector>

namespace orbenza::testing {

struct RecordedMessage {
    QString text;
    MessageIcon icon;
    QPointer<QWidget> parent;
};

class MessageRecorder {
public:
    MessageRecorder() {
        m_previous =
            setMessagePresenter([this](QWidget* parent, const QString& text, MessageIcon icon) {
                m_messages.push_back({text, icon, parent});
            });
    }
    ~MessageRecorder() { setMessagePresenter(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<RecordedMessage>& messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    std::vector<RecordedMessage> m_messages;
    MessagePresenter m_previous;
};

class UrlRecorder {
public:
    UrlRecorder() {
        m_previous = setUrlOpener([this](const QUrl& url) {
            m_urls.push_back(url);
            return true;
        });
    }
    ~UrlRecorder() { setUrlOpener(m_previous); }
    UrlRecorder(const UrlRecorder&) = delete;
    UrlRecorder& operator=(const UrlRecorder&) = delete;

    const std::vector<QUrl>& urls() const { return m_urls; }
    void clear() { m_urls.clear(); }

private:
    std::vector<QUrl> m_urls;
    UrlOpener m_previous;
};

inline const char* iconName(MessageIcon icon) {
    return icon == MessageIcon::Error ? "error" : "information";
}

} // namespace orbenza::testing
