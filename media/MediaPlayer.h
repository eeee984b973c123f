#pragma once
// The media-player component: a device opened on FileName, commands with one-shot notify and
// wait settings, and each notified command's completion reported later, as a queued event on
// the user-interface thread, through OnNotify with its result in NotifyValue.
#include "platform/audio/AudioSequencer.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace lexiglade {

// The four results a report can carry. Every command here that meets a play still due to report
// cuts it off (Aborted), so none leaves a report Superseded.
enum class NotifyResult { Successful, Superseded, Aborted, Failure };

enum class PlayerCommand { Open, Play, Stop, Close };

struct SentCommand {
    PlayerCommand command;
    bool notify;
    bool wait;
    bool refused; // no device was open
};

class MediaPlayer : public QObject {
    Q_OBJECT
  public:
    explicit MediaPlayer(QObject* parent = nullptr);
    // Closes the device; nothing more is reported.
    ~MediaPlayer() override;

    std::string FileName;
    NotifyResult NotifyValue = NotifyResult::Successful;
    // Runs for each report, NotifyValue holding its result.
    std::function<void()> OnNotify;
    // Sees every command as it is sent; for tests and measurements.
    std::function<void(const SentCommand&)> OnCommand;

    // Settings for the next command only. Without them open, stop and close wait and do not
    // notify, and play notifies and does not wait.
    void SetNotify(bool notify) { notify_ = notify; }
    void SetWait(bool wait) { wait_ = wait; }

    // Closes an open device first (with the settings made for this command), then opens
    // FileName. Raises PlatformError when the file cannot be opened; without an audio output
    // no device opens and nothing is raised.
    void Open();
    // Plays from the beginning. Reports Successful once the track's last event has played,
    // Aborted when a later play, a stop or a close cuts it off, Failure when it cannot be played.
    void Play();
    // Stops a play, which reports Aborted; with notify the stop reports its own Successful.
    void Stop();
    // Closes the device; a play still running reports Aborted.
    void Close();
    bool DeviceOpen() const { return open_; }

  private:
    struct Settings {
        bool notify;
        bool wait;
    };
    Settings TakeSettings(bool notify, bool wait);
    bool Send(PlayerCommand command, const Settings& settings);
    void Report(NotifyResult result);
    void CutOffPlay();

    MidiSequencer device_;
    bool open_ = false;
    std::optional<bool> notify_;
    std::optional<bool> wait_;
    std::uint64_t reportingPlay_ = 0; // the play whose report is due; 0 for none
    std::uint64_t plays_ = 0;
};

} // namespace lexiglade
