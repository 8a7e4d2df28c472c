#include "gui/HistoryWindow.h"

#include "archive/Archive.h"
#include "archive/DownloadArchiver.h"
#include "gui/HistoryModel.h"
#include "gui/ResultsWindow.h"
#include "gui/SaveDialogFlow.h"
#include "gui/TeamHistoryModel.h"
#include "teamarchive/TeamReader.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

HistoryWindow::HistoryWindow(Archive *archive, const QString &problem, QWidget *parent)
    : QDialog(parent), archive(archive), model(new HistoryModel(this)),
      teamAddress(TeamAddress::fromSettings(QSettings())), teamModel(new TeamHistoryModel(this))
{
    setWindowTitle(tr("History"));
    setObjectName(QStringLiteral("HistoryWindow"));
    resize(860, 520);

    emptyLine = new QLabel(this);
    emptyLine->setObjectName(QStringLiteral("emptyLine"));
    emptyLine->setWordWrap(true);
    emptyLine->setText(archive ? tr("Every download you receive will appear here, also the ones "
                                    "you do not save.")
                               : problem);

    // A list as this window shows one; widths from the font, not from the rows: measuring
    // 10,000 rows would cost the opening.
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const auto listView = [&](QAbstractItemModel *rows, const char *name,
                              const QVector<int> &widths) {
        auto *view = new QTableView(this);
        view->setObjectName(QLatin1String(name));
        view->setModel(rows);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setWordWrap(false);
        view->setTabKeyNavigation(false); // Tab leaves the list for the buttons
        view->verticalHeader()->hide();
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
        view->horizontalHeader()->setStretchLastSection(false);
        for (int column = 0; column < widths.size(); ++column)
            view->setColumnWidth(column, widths.at(column) * digit + 12);
        return view;
    };
    table = listView(model, "downloads", {17, 9, 10, 7, 10, 30, 7, 6, 6, 14});

    auto *localPage = new QWidget(this);
    auto *localLayout = new QVBoxLayout(localPage);
    localLayout->setContentsMargins(0, 0, 0, 0);
    localLayout->addWidget(emptyLine);
    localLayout->addWidget(table, 1);
    views = new QTabWidget(this);
    views->setObjectName(QStringLiteral("views"));
    views->setTabBarAutoHide(true);
    views->setDocumentMode(true);
    views->addTab(localPage, tr("This computer", "the History's view of the local archive"));
    if (teamAddress.isSet()) {
        teamAddress.connectTimeoutSeconds = 5;
        teamTable = listView(teamModel, "teamDownloads", {17, 12, 14, 24, 7, 6, 6});
        teamLine = new QLabel(this);
        teamLine->setObjectName(QStringLiteral("teamLine"));
        teamLine->setWordWrap(true);
        teamLine->setTextFormat(Qt::PlainText);
        auto *teamPage = new QWidget(this);
        auto *teamLayout = new QVBoxLayout(teamPage);
        teamLayout->setContentsMargins(0, 0, 0, 0);
        teamLayout->addWidget(teamLine);
        teamLayout->addWidget(teamTable, 1);
        views->addTab(teamPage, tr("Team", "the History's view of the team archive"));
        connect(teamTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &HistoryWindow::teamSelectionChanged);
    }

    text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("downloadText"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setUndoRedoEnabled(false);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(views);
    splitter->addWidget(text);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    statusLine = new QLabel(this);
    statusLine->setObjectName(QStringLiteral("statusLine"));

    saveAsButton = new QPushButton(tr("&Save As..."), this);
    saveAsButton->setObjectName(QStringLiteral("saveAsBtn"));
    openButton = new QPushButton(tr("&Open"), this);
    openButton->setObjectName(QStringLiteral("openBtn"));
    openButton->setToolTip(tr("Opens the file this download was last saved as"));
    resultsButton = new QPushButton(tr("&Results..."), this);
    resultsButton->setObjectName(QStringLiteral("resultsBtn"));
    resultsButton->setToolTip(tr("Shows this download as a table of results"));
    deleteButton = new QPushButton(tr("&Delete"), this);
    deleteButton->setObjectName(QStringLiteral("deleteBtn"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    for (QPushButton *button : {saveAsButton, openButton, resultsButton, deleteButton}) {
        button->setAutoDefault(false);
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(statusLine);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(saveAsButton, &QPushButton::clicked, this, &HistoryWindow::saveAs);
    connect(openButton, &QPushButton::clicked, this, &HistoryWindow::openSaved);
    connect(resultsButton, &QPushButton::clicked, this, &HistoryWindow::showResults);
    connect(deleteButton, &QPushButton::clicked, this, &HistoryWindow::deleteSelected);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, table);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &HistoryWindow::deleteSelected);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::selectionChanged);
    connect(views, &QTabWidget::currentChanged, this, [this] {
        if (teamViewShown())
            showTeamView();
        else
            selectionChanged();
    });

    reload(std::nullopt);
    // The column says something once a team archive is named or was sent to.
    table->setColumnHidden(HistoryModel::TeamArchive,
                           !teamAddress.isSet() && !model->anySentOrRefused());
    table->setFocus();
}

bool HistoryWindow::teamViewShown() const
{
    return teamTable && views->currentIndex() == 1;
}

TeamReader *HistoryWindow::teamReader()
{
    if (reader)
        return reader;
    // The thread is not the window's: closing the History never waits for a connection being
    // made. It ends after the read under way and takes the reader with it; the program waits
    // for it only when it quits.
    readerThread = new QThread;
    readerThread->setObjectName(QStringLiteral("team archive reader"));
    reader = new TeamReader(teamAddress);
    reader->moveToThread(readerThread);
    connect(readerThread, &QThread::finished, reader, &QObject::deleteLater);
    connect(readerThread, &QThread::finished, readerThread, &QObject::deleteLater);
    QThread *thread = readerThread;
    connect(qApp, &QCoreApplication::aboutToQuit, readerThread, [thread] {
        thread->quit();
        thread->wait();
    });
    connect(reader, &TeamReader::listed, this, &HistoryWindow::teamListed);
    connect(reader, &TeamReader::fetched, this, &HistoryWindow::teamFetched);
    readerThread->start();
    return reader;
}

void HistoryWindow::showTeamView()
{
    if (!listing) {
        listing = true;
        teamLine->setText(tr("Reading the team archive %1...", "%1 is user@server:port/database")
                              .arg(teamAddress.shown()));
        teamLine->setVisible(true);
        QMetaObject::invokeMethod(teamReader(), &TeamReader::list, Qt::QueuedConnection);
    }
    teamSelectionChanged();
    teamTable->setFocus();
}

void HistoryWindow::teamListed(const QVector<TeamDownload> &downloads, const QString &problem)
{
    listing = false;
    if (!problem.isEmpty()) {
        // What was listed before stays; the line says why it is not new.
        teamLine->setText(problem);
        return;
    }
    const std::optional<TeamDownload> selected = selectedTeamDownload();
    teamModel->setDownloads(downloads);
    teamLine->setText(tr("The team archive holds no downloads yet."));
    teamLine->setVisible(downloads.isEmpty());
    int row = selected ? teamModel->rowOf(selected->id) : -1;
    if (row < 0 && !downloads.isEmpty())
        row = 0;
    if (row >= 0)
        teamTable->selectRow(row);
    else
        teamSelectionChanged();
}

std::optional<TeamDownload> HistoryWindow::selectedTeamDownload() const
{
    if (!teamTable)
        return std::nullopt;
    const QModelIndexList rows = teamTable->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return teamModel->download(rows.constFirst().row());
}

std::optional<QByteArray> HistoryWindow::selectedTeamData() const
{
    const std::optional<TeamDownload> download = selectedTeamDownload();
    if (!download || download->id != fetchedId)
        return std::nullopt;
    return fetchedData;
}

void HistoryWindow::teamSelectionChanged()
{
    if (!teamViewShown())
        return;
    statusLine->clear();
    text->clear();
    deleteButton->setEnabled(false);
    const std::optional<QByteArray> data = selectedTeamData();
    for (QPushButton *button : {saveAsButton, openButton, resultsButton})
        button->setEnabled(data.has_value());
    openButton->setToolTip(tr("Opens a copy of this download from the team archive"));
    if (data) {
        text->setPlainText(textOf(*data));
        return;
    }
    const std::optional<TeamDownload> download = selectedTeamDownload();
    if (!download)
        return;
    statusLine->setText(tr("Reading download %1 from the team archive...").arg(download->id));
    TeamReader *worker = teamReader();
    QMetaObject::invokeMethod(
        worker, [worker, download = *download] { worker->fetch(download); }, Qt::QueuedConnection);
}

void HistoryWindow::teamFetched(qint64 id, const QByteArray &data, const QString &problem)
{
    const std::optional<TeamDownload> selected = selectedTeamDownload();
    const bool shown = teamViewShown() && selected && selected->id == id;
    if (!problem.isEmpty()) {
        if (shown)
            statusLine->setText(problem);
        return;
    }
    fetchedId = id;
    fetchedData = data;
    if (shown)
        teamSelectionChanged();
}

QString HistoryWindow::textOf(const QByteArray &received)
{
    QByteArray shown;
    shown.reserve(received.size());
    for (const char byte : received) {
        const char seven = char(byte & 0x7f);
        if (seven != '\r' && seven != '\0')
            shown.append(seven);
    }
    return QString::fromLatin1(shown);
}

void HistoryWindow::reload(std::optional<qint64> select)
{
    model->reload(archive);
    const bool empty = model->rowCount() == 0;
    emptyLine->setVisible(empty);
    int row = select ? model->rowOf(*select) : -1;
    if (row < 0 && !empty)
        row = 0;
    if (row >= 0)
        table->selectRow(row);
    else
        selectionChanged();
}

std::optional<qint64> HistoryWindow::selectedId() const
{
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return model->download(rows.constFirst().row()).id;
}

std::optional<QByteArray> HistoryWindow::selectedData(qint64 *id)
{
    const std::optional<qint64> selected = selectedId();
    if (!selected)
        return std::nullopt;
    *id = *selected;
    std::optional<QByteArray> data = archive->data(*selected);
    if (!data)
        SaveDialogFlow::warn(this, archive->errorString());
    return data;
}

void HistoryWindow::selectionChanged()
{
    if (teamViewShown())
        return;
    openButton->setToolTip(tr("Opens the file this download was last saved as"));
    const std::optional<qint64> id = selectedId();
    statusLine->clear();
    text->clear();
    saveAsButton->setEnabled(id.has_value());
    resultsButton->setEnabled(id.has_value());
    deleteButton->setEnabled(id.has_value());
    openButton->setEnabled(false);
    if (!id)
        return;
    const DownloadSummary &download = model->download(model->rowOf(*id));
    openButton->setEnabled(!download.lastSavedPath.isEmpty() &&
                           QFileInfo::exists(download.lastSavedPath));
    const std::optional<QByteArray> data = archive->data(*id);
    if (!data) {
        statusLine->setText(archive->errorString());
        saveAsButton->setEnabled(false);
        resultsButton->setEnabled(false);
        return;
    }
    text->setPlainText(textOf(*data));
    // A large download's results are read when it is first shown.
    if (!download.recordCount && DownloadArchiver::summarize(*archive, *id, *data)) {
        if (const std::optional<DownloadSummary> read = archive->summary(*id))
            model->update(model->rowOf(*id), *read);
    }
}

void HistoryWindow::saveAs()
{
    if (teamViewShown()) {
        const std::optional<QByteArray> data = selectedTeamData();
        if (!data)
            return;
        const std::optional<SaveDialogFlow::Choice> choice = SaveDialogFlow::ask(this);
        if (!choice)
            return;
        const SaveStep::Outcome outcome = SaveDialogFlow::save(this, *data, *choice);
        if (outcome.saved())
            statusLine->setText(outcome.europeanRefused
                                    ? outcome.headline + QStringLiteral("  ") +
                                          SaveStep::europeanRefusedText(choice->fileName)
                                    : outcome.headline);
        return;
    }
    if (!selectedId())
        return;
    const std::optional<SaveDialogFlow::Choice> choice = SaveDialogFlow::ask(this);
    if (!choice)
        return;
    qint64 id = 0;
    const std::optional<QByteArray> data = selectedData(&id);
    if (!data)
        return;
    const SaveStep::Outcome outcome = SaveDialogFlow::save(this, *data, *choice);
    if (!outcome.saved())
        return;
    archive->recordSave(id, choice->fileName, outcome.european, QDateTime::currentDateTimeUtc());
    archive->checkpoint();
    reload(id);
    statusLine->setText(outcome.europeanRefused
                            ? outcome.headline + QStringLiteral("  ") +
                                  SaveStep::europeanRefusedText(choice->fileName)
                            : outcome.headline);
}

void HistoryWindow::openSaved()
{
    if (teamViewShown()) {
        // A copy in the program's cache folder, as the save step writes it, opened as a saved
        // file is.
        const std::optional<QByteArray> data = selectedTeamData();
        if (!data)
            return;
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                               QStringLiteral("/team-archive");
        const QString path =
            folder + QStringLiteral("/team download %1.csv").arg(selectedTeamDownload()->id);
        QDir().mkpath(folder);
        const SaveStep::Outcome outcome = SaveStep::toFile(*data, path, false);
        if (!outcome.saved()) {
            SaveDialogFlow::warn(this, outcome.headline, outcome.reason);
            return;
        }
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }
    const std::optional<qint64> id = selectedId();
    if (!id)
        return;
    const QString path = model->download(model->rowOf(*id)).lastSavedPath;
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

HistoryWindow::~HistoryWindow()
{
    if (readerThread)
        readerThread->quit();
    // While the History is shown, its modality lets only its own windows take input; once it
    // is gone, its Results windows live on beside the main window.
    for (ResultsWindow *results :
         findChildren<ResultsWindow *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect placed = results->geometry();
        results->setParent(parentWidget(), results->windowFlags());
        results->setGeometry(placed);
        results->show();
    }
}

void HistoryWindow::showResults()
{
    if (teamViewShown()) {
        const std::optional<QByteArray> data = selectedTeamData();
        if (!data)
            return;
        const TeamDownload download = *selectedTeamDownload();
        auto *results = new ResultsWindow(
            *data,
            tr("%1, %2", "the date and time of a download in the team archive, its engineer")
                .arg(QLocale().toString(download.started.toLocalTime(), QLocale::ShortFormat),
                     download.engineer),
            this);
        // The report's trace names it as --report ID --team does; the sites' designs are this
        // computer's.
        results->setTeamSource(download.ended.isValid() ? download.ended : download.started,
                               download.id);
        results->setArchive(archive);
        results->show();
        return;
    }
    qint64 id = 0;
    const std::optional<QByteArray> data = selectedData(&id);
    if (!data)
        return;
    const DownloadSummary &download = model->download(model->rowOf(id));
    const QString title =
        download.lastSavedPath.isEmpty()
            ? QLocale().toString(download.started.toLocalTime(), QLocale::ShortFormat)
            : QFileInfo(download.lastSavedPath).fileName();
    auto *results = new ResultsWindow(*data, title, this);
    // The report's trace names the download; the site's design is kept beside it.
    results->setSource(download.ended.isValid() ? download.ended : download.started, id);
    results->setArchive(archive);
    results->show();
}

void HistoryWindow::deleteSelected()
{
    if (teamViewShown())
        return; // --delete ID --team, by the engineer who sent it
    const std::optional<qint64> id = selectedId();
    if (!id)
        return;
    const DownloadSummary &download = model->download(model->rowOf(*id));
    QMessageBox question(this);
    question.setIcon(QMessageBox::Question);
    question.setText(
        tr("Delete the download of %1 from the archive?", "%1 is the date and time of the download")
            .arg(QLocale().toString(download.started.toLocalTime(), QLocale::ShortFormat)));
    question.setInformativeText(tr("The files it was saved as stay where they are."));
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    const int row = model->rowOf(*id);
    if (!archive->remove(*id)) {
        SaveDialogFlow::warn(this, archive->errorString());
        return;
    }
    model->reload(archive);
    const int rows = model->rowCount();
    reload(rows > 0 ? std::optional<qint64>(model->download(qMin(row, rows - 1)).id)
                    : std::nullopt);
}
