// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Waiting, on the real event loop, for work that runs off the GUI thread: imports, opens,
// saves and the replies that follow them. For tests that link the application's layers.

#include "app/dragwatcher.h"
#include "document/mydocument.h"
#include "platform/qt/documentcontroller.h"

#include <QtCore/qtestsupport_core.h>
#include <memory>
#include <optional>

namespace lanternreel::testing {

// Generous: the work finishes long before, unless it hangs.
inline constexpr int JobDeadlineMs = 60000;

// An answer that comes later, kept alive by whoever still may give it.
template<typename T> using Later = std::shared_ptr<std::optional<T>>;

template<typename T> std::optional<T> waitFor(const Later<T> &answer)
{
    (void)QTest::qWaitFor([&] { return answer->has_value(); }, JobDeadlineMs);
    return *answer;
}

inline int openFilesNow(DragWatcher &watcher, const QStringList &paths)
{
    auto reply = std::make_shared<std::optional<int>>();
    watcher.applicationOpenFiles(paths, [reply](int answer) { *reply = answer; });
    return waitFor(reply).value_or(-1);
}

inline bool importNow(MyDocument *document, const QStringList &paths)
{
    auto shown = std::make_shared<std::optional<bool>>();
    document->dragOpen(paths, [shown](bool answer) { *shown = answer; });
    return waitFor(shown).value_or(false);
}

// Until every import asked of `document` has been taken into the show.
inline bool importsDone(MyDocument *document)
{
    return QTest::qWaitFor([&] { return !document->isImporting(); }, JobDeadlineMs);
}

inline MyDocument *openNow(DocumentController &controller, const QString &path)
{
    auto opened = std::make_shared<std::optional<Document *>>();
    controller.openDocument(path, [opened](Document *document) { *opened = document; });
    return qobject_cast<MyDocument *>(waitFor(opened).value_or(nullptr));
}

inline bool saveNow(DocumentController &controller, Document *document)
{
    auto saved = std::make_shared<std::optional<bool>>();
    controller.saveDocument(document, [saved](bool answer) { *saved = answer; });
    return waitFor(saved).value_or(false);
}

inline bool saveAsNow(DocumentController &controller, Document *document)
{
    auto saved = std::make_shared<std::optional<bool>>();
    controller.saveDocumentAs(document, [saved](bool answer) { *saved = answer; });
    return waitFor(saved).value_or(false);
}

} // namespace lanternreel::testing
