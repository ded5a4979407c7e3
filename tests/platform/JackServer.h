#pragma once
// A JACK server of the test's own (dummy backend, its own name, so a user's server is never
// touched), started and waited for, and stopped when the object goes, also when the test
// fails; and test clients that receive MIDI or capture audio through it. The server runs
// synchronously: on a loaded machine a late client then delays its period instead of having
// its output dropped, so the tests can count every message.

#include <jack/jack.h>
#include <jack/midiport.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/JackClient.h"

// Whether jackd can be found on PATH.
inline bool JackdInstalled() {
  const char* path = std::getenv("PATH");
  std::string rest = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= rest.size()) {
    const size_t end = rest.find(':', start);
    const std::string dir = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!dir.empty() && ::access((dir + "/jackd").c_str(), X_OK) == 0) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

// Polls until the condition holds or the time is up; the condition's last answer.
inline bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

class TestJackServer {
 public:
  // How long the server waits for a client's answer before it drops the client (500 ms by
  // default). Without a real-time scheduler, on a machine busy with a build, a client can be
  // late by more than that, and a dropped client silently stops taking part.
  static constexpr const char* kClientTimeoutMs = "10000";

  // sync: the server waits for late clients instead of dropping their output, so that every
  // message can be counted on a busy machine (and the benchmark's clock stays sane there).
  explicit TestJackServer(bool sync = true) {
    static std::atomic<int> counter{0};
    name_ = "cantaro-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    if (!JackdInstalled()) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      // The server must not outlive a test that crashed.
      ::prctl(PR_SET_PDEATHSIG, SIGKILL);
      const int null = ::open("/dev/null", O_RDWR);
      ::dup2(null, 1);
      ::dup2(null, 2);
      if (sync)
        ::execlp("jackd", "jackd", "--no-realtime", "--sync", "-t", kClientTimeoutMs, "-n", name_.c_str(), "-d", "dummy",
                 "-r", "48000", "-p", "128", static_cast<char*>(nullptr));
      else
        ::execlp("jackd", "jackd", "--no-realtime", "-t", kClientTimeoutMs, "-n", name_.c_str(), "-d", "dummy", "-r",
                 "48000", "-p", "128", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    running_ = pid_ > 0 && WaitFor([this] { return Exited() ? true : JackServerRunning(name_); }) && !Exited();
  }
  ~TestJackServer() { Stop(); }
  TestJackServer(const TestJackServer&) = delete;
  TestJackServer& operator=(const TestJackServer&) = delete;

  bool Running() const { return running_; }
  const std::string& Name() const { return name_; }
  // Why it is not running, for the skip or failure message.
  std::string Problem() const {
    if (!JackdInstalled()) return "jackd is not installed (scripts/install-deps installs jackd2)";
    return "jackd -n " + name_ + " -d dummy did not answer within 10 s";
  }

  void Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    if (!WaitFor([this] { return Exited(); }, std::chrono::seconds(5))) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
    running_ = false;
  }

 private:
  bool Exited() {
    if (exited_) return true;
    int status = 0;
    exited_ = ::waitpid(pid_, &status, WNOHANG) == pid_;
    return exited_;
  }

  std::string name_;
  pid_t pid_ = -1;
  bool running_ = false;
  bool exited_ = false;
};

// A client of the test's server. A server just started on a busy machine may turn the first
// clients away; they try again for a while.
inline TJackClientPtr OpenTestClient(const std::string& clientName, const std::string& server) {
  TJackClientPtr client;
  WaitFor([&] {
    client = OpenJackClient(clientName, server);
    return client != nullptr;
  });
  return client;
}

// A client of the test's server with one MIDI port; Close() ends it, as a program that
// quits or a keyboard unplugged.
class TestMidiClient {
 public:
  TestMidiClient(const TestMidiClient&) = delete;
  TestMidiClient& operator=(const TestMidiClient&) = delete;
  bool Ok() const { return !portName_.empty(); }
  const std::string& PortName() const { return portName_; }
  void Close() {
    if (gone_) AbandonJackClient(client_);
    client_.reset();
  }

 protected:
  // Derived classes call Start from their constructor, with their own process callback.
  TestMidiClient() = default;
  ~TestMidiClient() = default;
  void Start(const std::string& server, const std::string& clientName, const char* portName, unsigned long flags,
             JackProcessCallback process) {
    client_ = OpenTestClient(clientName, server);
    if (!client_) return;
    port_ = jack_port_register(client_.get(), portName, JACK_DEFAULT_MIDI_TYPE, flags, 0);
    jack_set_process_callback(client_.get(), process, this);
    jack_on_shutdown(client_.get(), [](void* flag) { static_cast<std::atomic<bool>*>(flag)->store(true); }, &gone_);
    if (port_ && jack_activate(client_.get()) == 0) portName_ = jack_port_name(port_);
  }

  TJackClientPtr client_;
  std::atomic<bool> gone_{false};
  jack_port_t* port_ = nullptr;
  std::string portName_;
  mutable std::mutex mutex_;
};

// A client with one MIDI input port that keeps every message it receives, in order.
class TestMidiReceiver : public TestMidiClient {
 public:
  TestMidiReceiver(const std::string& server, const std::string& clientName) {
    Start(server, clientName, "in", JackPortIsInput, Process);
  }
  ~TestMidiReceiver() { Close(); }

  std::vector<std::vector<uint8_t>> Messages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
  }
  size_t Count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_.size();
  }

 private:
  static int Process(jack_nframes_t frames, void* arg) {
    auto* self = static_cast<TestMidiReceiver*>(static_cast<TestMidiClient*>(arg));
    void* buffer = jack_port_get_buffer(self->port_, frames);
    const uint32_t n = jack_midi_get_event_count(buffer);
    std::lock_guard<std::mutex> lock(self->mutex_);
    for (uint32_t i = 0; i < n; ++i) {
      jack_midi_event_t ev;
      if (jack_midi_event_get(&ev, buffer, i) == 0) self->messages_.emplace_back(ev.buffer, ev.buffer + ev.size);
    }
    return 0;
  }

  std::vector<std::vector<uint8_t>> messages_;
};

// A client with one MIDI output port, as a keyboard: what the test plays goes out in the next
// period, in order.
class TestMidiPlayer : public TestMidiClient {
 public:
  TestMidiPlayer(const std::string& server, const std::string& clientName) {
    Start(server, clientName, "out", JackPortIsOutput, Process);
  }
  ~TestMidiPlayer() { Close(); }

  void Play(std::vector<uint8_t> message) {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_.push_back(std::move(message));
  }
  // Whether everything played has gone out.
  bool Sent() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return waiting_.empty();
  }

 private:
  static int Process(jack_nframes_t frames, void* arg) {
    auto* self = static_cast<TestMidiPlayer*>(static_cast<TestMidiClient*>(arg));
    void* buffer = jack_port_get_buffer(self->port_, frames);
    jack_midi_clear_buffer(buffer);
    // A connection just made may reach the running graph a few periods later: what is played
    // waits for a listener, as a keyboard's notes would not be lost to a cable plugged in.
    if (jack_port_connected(self->port_) == 0) return 0;
    std::lock_guard<std::mutex> lock(self->mutex_);
    jack_nframes_t offset = 0;
    for (const auto& m : self->waiting_) {
      jack_midi_event_write(buffer, offset, m.data(), m.size());
      if (offset + 1 < frames) ++offset;
    }
    self->waiting_.clear();
    return 0;
  }

  std::vector<std::vector<uint8_t>> waiting_;
};

// A client with one audio input port that records what reaches it.
class TestAudioCapture {
 public:
  TestAudioCapture(const std::string& server, const std::string& clientName) {
    client_ = OpenTestClient(clientName, server);
    if (!client_) return;
    port_ = jack_port_register(client_.get(), "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(client_.get(), Process, this);
    if (port_ && jack_activate(client_.get()) == 0) portName_ = jack_port_name(port_);
    rate_ = static_cast<double>(jack_get_sample_rate(client_.get()));
  }
  ~TestAudioCapture() { client_.reset(); }

  bool Ok() const { return !portName_.empty(); }
  const std::string& PortName() const { return portName_; }
  jack_client_t* Client() { return client_.get(); }
  double Rate() const { return rate_; }
  void Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    samples_.clear();
  }
  std::vector<double> Samples() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return samples_;
  }

 private:
  static int Process(jack_nframes_t frames, void* arg) {
    auto* self = static_cast<TestAudioCapture*>(arg);
    const auto* in = static_cast<const float*>(jack_port_get_buffer(self->port_, frames));
    std::lock_guard<std::mutex> lock(self->mutex_);
    if (self->samples_.size() < 48000 * 10) self->samples_.insert(self->samples_.end(), in, in + frames);
    return 0;
  }

  TJackClientPtr client_;
  jack_port_t* port_ = nullptr;
  std::string portName_;
  double rate_ = 48000;
  mutable std::mutex mutex_;
  std::vector<double> samples_;
};
