#include "qtsupport/CoreMessages.h"

#include "common/MessageCatalog.h"
#include "common/Translate.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <string_view>

#include <vector>

namespace tarn {

namespace {

// A formatted message as a pattern to match a finished text against; the captures are its
// arguments, numbered as the placeholders they fill.
struct Pattern {
    const char* source;
    QRegularExpression match;
    std::vector<int> placeholders;
    qsizetype literal = 0; // characters besides the placeholders: the more, the more specific
};

Pattern patternFor(const char* source) {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    const QString text = QString::fromUtf8(source);
    QString expression = QStringLiteral("\\A");
    std::vector<int> placeholders;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& found : placeholder.globalMatch(text)) {
        expression += QRegularExpression::escape(text.mid(from, found.capturedStart() - from));
        expression += QStringLiteral("(.*?)");
        placeholders.push_back(found.captured(1).toInt());
        from = found.capturedEnd();
    }
    expression += QRegularExpression::escape(text.mid(from)) + QStringLiteral("\\z");
    const qsizetype literal = text.size() - 2 * static_cast<qsizetype>(placeholders.size());
    return {source, QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption),
            std::move(placeholders), literal};
}

const std::vector<Pattern>& corePatterns() {
    static const std::vector<Pattern> all = [] {
        std::vector<Pattern> made;
        for (const auto list : {formattedMessages(), messageCatalog()})
            for (const char* source : list)
                made.push_back(patternFor(source));
        return made;
    }();
    return all;
}

QString lookUp(const QString& text) {
    return QCoreApplication::translate(MessageContext, text.toUtf8().constData());
}

// Where the names a message may list are translated: column headers, settings.
constexpr std::array NameContexts{"tarn::ChannelCodec", "tarn::OptionalFeatures",
                                  "tarn::ModelInfoDialog"};
constexpr const char* NameSeparator = QT_TRANSLATE_NOOP("tarn::Prompt", ", ");

QString nameLookUp(const QString& text) {
    const QByteArray source = text.toUtf8();
    for (const char* context : NameContexts) {
        const QString shown = QCoreApplication::translate(context, source.constData());
        if (shown != text)
            return shown;
    }
    return {};
}

// A name ("RX Freq") or a list of names ("RX Freq, TX Power") in the interface language; empty
// unless every part is a known name, so other text with commas stays as written.
QString namesTranslated(const QString& text) {
    const QString separator = QString::fromUtf8(NameSeparator);
    QStringList parts = text.split(separator);
    for (QString& part : parts) {
        part = nameLookUp(part);
        if (part.isEmpty())
            return {};
    }
    return parts.join(QCoreApplication::translate(MessageContext, NameSeparator));
}

// The patterns whose arguments may list the grid's columns or the dialogs' settings. Names
// elsewhere (a column of a table file) stay as the user's file has them.
bool listsNames(const Pattern& pattern) {
    const std::string_view source = pattern.source;
    return source == FormattedMessage::ChannelDiffers || source == FormattedMessage::SettingsDiffer;
}

class Translation {
public:
    explicit Translation(std::span<const char* const> ownPatterns) {
        for (const char* source : ownPatterns)
            m_own.push_back(patternFor(source));
    }

    [[nodiscard]] QString line(const QString& text) const {
        const QString whole = lookUp(text);
        if (whole != text)
            return whole;
        // The most specific pattern that matches wins ("line %1, column %2: %3" over
        // "line %1: %2"); of equals, the program's own, then the first listed.
        const Pattern* best = nullptr;
        QRegularExpressionMatch bestFound;
        for (const std::vector<Pattern>* list : {&m_own, &corePatterns()}) {
            for (const Pattern& pattern : *list) {
                if (best != nullptr && pattern.literal <= best->literal)
                    continue;
                QRegularExpressionMatch found = pattern.match.match(text);
                if (found.hasMatch()) {
                    best = &pattern;
                    bestFound = std::move(found);
                }
            }
        }
        return best != nullptr ? filled(*best, bestFound) : text;
    }

private:
    // The pattern's translation with its arguments, each translated in turn; substituted in
    // one pass, so an argument holding "%2" is never taken for one.
    [[nodiscard]] QString filled(const Pattern& pattern,
                                 const QRegularExpressionMatch& found) const {
        const QString result = QCoreApplication::translate(MessageContext, pattern.source);
        std::vector<QString> args(10);
        for (std::size_t i = 0; i < pattern.placeholders.size(); ++i) {
            const QString arg = found.captured(static_cast<int>(i) + 1);
            const QString names = listsNames(pattern) ? namesTranslated(arg) : QString();
            args[static_cast<std::size_t>(pattern.placeholders[i])] =
                names.isEmpty() ? line(arg) : names;
        }
        QString text;
        for (qsizetype i = 0; i < result.size(); ++i) {
            const QChar next = i + 1 < result.size() ? result[i + 1] : QChar();
            if (result[i] == QLatin1Char('%') && next >= QLatin1Char('1') &&
                next <= QLatin1Char('9')) {
                text += args[static_cast<std::size_t>(next.digitValue())];
                ++i;
            } else {
                text += result[i];
            }
        }
        return text;
    }

    std::vector<Pattern> m_own;
};

} // namespace

QString CoreMessages::translated(const QString& text) {
    return translated(text, {});
}

QString CoreMessages::translated(const QString& text, std::span<const char* const> ownPatterns) {
    const Translation translation(ownPatterns);
    if (!text.contains(QLatin1Char('\n')))
        return translation.line(text);
    // No pattern spans lines: a message of several is known whole or taken line by line, or a
    // pattern's last argument would swallow the lines after it untranslated.
    const QString whole = lookUp(text);
    if (whole != text)
        return whole;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = translation.line(line);
    return lines.join(QLatin1Char('\n'));
}

QString CoreMessages::translated(std::string_view text) {
    return translated(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace tarn
