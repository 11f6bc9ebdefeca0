#include "ui/Pronunciation.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include "content/FileOutput.h"
#include "content/Pronunciation.h"
#include "ui/MainWindow.h"
#include "ui/Text.h"
#include "ui/TextTableModel.h"

namespace lumo::ui {

Pronunciation::Pronunciation(MainWindow& window, DataFolder folder)
    : QObject(&window),
      window_(window),
      folder_(std::move(folder)),
      dictionaryBase_(QString::fromUtf8(kDictionaryBase)),
      network_(new QNetworkAccessManager(this)) {
    if (QTableView* list = window.List("超级列表框_英文列表"))
        connect(list, &QTableView::doubleClicked, this, [this] { PlayPronunciation(); });
}

Pronunciation::~Pronunciation() = default;

QString Pronunciation::SearchAddress(const QString& englishName) const {
    return dictionaryBase_ + "/s?wd=" + englishName;
}

QString Pronunciation::RecordingFile() const {
    return QString::fromStdString(folder_.File("pronunciation.mp3").string());
}

void Pronunciation::PlayPronunciation() {
    QTableView* list = window_.List("超级列表框_英文列表");
    TextTableModel* model = window_.ListModel("超级列表框_英文列表");
    if (!list || !model) return;
    QModelIndex current = list->currentIndex();
    if (!current.isValid()) return;
    QString name = model->Row(current.row()).value(1);
    if (name.isEmpty()) return;
    Pronounce(name);
}

void Pronunciation::Pronounce(const QString& englishName) {
    ShowStatus(QString("正在朗读 %1…").arg(englishName));
    // QUrl escapes what HTTP cannot carry (a space becomes %20); the name is otherwise unchanged.
    QUrl page(SearchAddress(englishName), QUrl::TolerantMode);
    Fetch(page, [this, englishName, page](bool ok, const QByteArray& body) {
        PageFetched(englishName, page, ok, body);
    });
}

void Pronunciation::Fetch(const QUrl& address, Fetched done) {
    if (!address.isValid()) {
        done(false, {});
        return;
    }
    QNetworkRequest request(address);
    QNetworkReply* reply = network_->get(request);
    // One limit for the whole request, connecting included; abort() ends it as an error.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(timeLimit_);
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        bool ok = reply->error() == QNetworkReply::NoError;
        done(ok, ok ? reply->readAll() : QByteArray());
        reply->deleteLater();
    });
}

void Pronunciation::PageFetched(const QString& name, const QUrl& page, bool ok,
                                const QByteArray& body) {
    if (!ok) return SpeakOffline(name);
    QString stem = FromGbk(RecordingAddress(body.toStdString()));
    // Without the link marker the address is the suffix alone: the page holds no recording.
    if (stem == ".mp3") return SpeakOffline(name);
    QUrl recording = page.resolved(QUrl(stem, QUrl::TolerantMode));
    Fetch(recording, [this, name, recording](bool fetched, const QByteArray& bytes) {
        if (!fetched || bytes.isEmpty()) return SpeakOffline(name);
        PlayRecording(name, recording, bytes);
    });
}

void Pronunciation::PlayRecording(const QString& name, const QUrl& address,
                                  const QByteArray& bytes) {
    if (!player_) {
        player_ = new QMediaPlayer(this);
        player_->setObjectName("媒体播放1");
        audio_ = new QAudioOutput(this);
        player_->setAudioOutput(audio_);
        connect(player_, &QMediaPlayer::errorOccurred, this, &Pronunciation::PlayerFailed);
        connect(player_, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus s) {
                    if (s == QMediaPlayer::InvalidMedia) PlayerFailed();
                    if (s == QMediaPlayer::EndOfMedia) {
                        playing_.clear();
                        window_.statusBar()->clearMessage();
                    }
                });
    }
    // The player lets go of the previous recording before its file is replaced.
    player_->stop();
    player_->setSource(QUrl());
    if (!player_->isAvailable() ||
        !WriteFileAtomically(folder_.File("pronunciation.mp3"),
                             std::string_view(bytes.constData(), bytes.size())))
        return SpeakOffline(name);
    playing_ = name;
    player_->setSource(QUrl::fromLocalFile(RecordingFile()));
    player_->play();
    emit RecordingPlayed(address.toString(QUrl::FullyEncoded));
}

void Pronunciation::PlayerFailed() {
    if (playing_.isEmpty()) return;
    QString name = playing_;
    playing_.clear();
    SpeakOffline(name);
}

void Pronunciation::SpeakOffline(const QString& name) {
    if (speaker_ && speaker_(name))
        ShowStatus(QString("正在用本机语音朗读 %1…").arg(name), 5000);
    else
        ShowStatus(QString("无法朗读：没有取到 %1 的在线读音，本机也没有可用的语音程序 espeak-ng")
                       .arg(name),
                   15000);
    emit SpokenOffline(name);
}

void Pronunciation::ShowStatus(const QString& text, int milliseconds) {
    window_.statusBar()->showMessage(text, milliseconds);
}

QStringList Pronunciation::EspeakArguments(const QString& name) {
    // "--" ends the options, so no name is ever read as one.
    return {"-v", "en", "--", name};
}

bool Pronunciation::SpeakWithEspeak(const QString& name) {
    return QProcess::startDetached("espeak-ng", EspeakArguments(name));
}

}  // namespace lumo::ui
