#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "content/DataFolder.h"

class QAudioOutput;
class QMediaPlayer;
class QNetworkAccessManager;

namespace lumo::ui {

class MainWindow;

// Reading English names aloud: a double-click on 超级列表框_英文列表 fetches the dictionary's
// search page for the name, takes the recording's address from it (the text after the link marker
// up to
// ".mp3"), fetches the recording and plays it with the player `媒体播放1`. Every request is given
// up after 90 seconds; the requests run beside the event loop, so the window stays responsive and
// a second double-click may start before the first has ended. When no recording can be had — no
// answer, an error, a page without the marker, a recording the player cannot play — the name is
// spoken offline (espeak-ng), so the user always hears it. The status bar says what happens:
// "正在朗读 NAME…" while the name is fetched and played, "无法朗读：…" when nothing can speak it.
class Pronunciation : public QObject {
    Q_OBJECT
  public:
    // Answers false when the name could not be spoken (no voice program).
    using Speaker = std::function<bool(const QString& name)>;

    Pronunciation(MainWindow& window, DataFolder folder);
    ~Pronunciation() override;

    // The double-click handler: the name in column 1 of the list's current row; no row or an
    // empty name does nothing.
    void PlayPronunciation();
    void Pronounce(const QString& englishName);

    // Scheme and host of the dictionary (DictionaryBase), without a trailing slash.
    void SetDictionaryBase(const QString& base) { dictionaryBase_ = base; }
    const QString& DictionaryBase() const { return dictionaryBase_; }
    // How long one request may take before it is given up (90 seconds).
    void SetTimeLimit(int milliseconds) { timeLimit_ = milliseconds; }
    // Who speaks a name when no recording can be played (espeak-ng by default).
    void SetOfflineSpeaker(Speaker speaker) { speaker_ = std::move(speaker); }
    static bool SpeakWithEspeak(const QString& name);
    // The arguments of espeak-ng that speak the name with an English voice.
    static QStringList EspeakArguments(const QString& name);

    // DictionaryBase + "/s?wd=" + the name, appended as it is.
    QString SearchAddress(const QString& englishName) const;
    // Where the last recording fetched is kept for the player.
    QString RecordingFile() const;

  signals:
    // A recording was fetched and handed to the player.
    void RecordingPlayed(const QString& address);
    // The name was given to the offline speaker.
    void SpokenOffline(const QString& name);

  private:
    using Fetched = std::function<void(bool ok, const QByteArray& body)>;
    void Fetch(const QUrl& address, Fetched done);
    void PageFetched(const QString& name, const QUrl& page, bool ok, const QByteArray& body);
    void PlayRecording(const QString& name, const QUrl& address, const QByteArray& bytes);
    void SpeakOffline(const QString& name);
    void PlayerFailed();
    void ShowStatus(const QString& text, int milliseconds = 0);

    MainWindow& window_;
    DataFolder folder_;
    QString dictionaryBase_;
    int timeLimit_ = 90 * 1000;
    Speaker speaker_ = &Pronunciation::SpeakWithEspeak;
    QNetworkAccessManager* network_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    QString playing_;  // the name whose recording the player has, until it fails or ends
};

}  // namespace lumo::ui
