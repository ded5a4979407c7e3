#include "platform/JackMidiOut.h"

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <cstring>
#include <optional>

#include "midi/MidiClock.h"

namespace {

// One message in the ring: this header, then its bytes.
struct RingEvent {
  jack_nframes_t Frame;  // the frame it is due at
  uint32_t Size;
};

// A due time further ahead than this is taken for a mistake and played at once.
constexpr int64_t kFarAheadUs = 1000000;

struct RingDeleter {
  void operator()(jack_ringbuffer_t* ring) const { jack_ringbuffer_free(ring); }
};

}  // namespace

struct TJackMidiOutService::Connection {
  TJackClientPtr client;
  // What the library's threads use: set before activation and never changed while they run
  // (closing the client nulls `client` before the library stops them).
  jack_client_t* raw = nullptr;
  jack_port_t* port = nullptr;
  std::string target;     // the port we write to
  std::string ownPort;    // our port's full name
  std::unique_ptr<jack_ringbuffer_t, RingDeleter> ring;
  // Messages played by hand: they go beside what waits in `ring` for its due time.
  std::unique_ptr<jack_ringbuffer_t, RingDeleter> live;
  std::atomic<int> lost{0};  // 0, or the TMidiOutErrc that ended the connection
  std::atomic<uint32_t> cycles{0};  // periods the process thread has finished

  // The client goes first: its process thread reads the ring until it is closed.
  ~Connection() { client.reset(); }

  // A connection whose server stopped cannot be closed, and the library's thread that ran
  // its callbacks cannot be waited for: it is kept to the end of the process (a few
  // kilobytes once per lost server) rather than freed under that thread.
  static void Discard(std::unique_ptr<Connection>& c) {
    if (c && c->lost.load() == static_cast<int>(TMidiOutErrc::ServerGone)) {
      AbandonJackClient(c->client);
      KeepUntilExit(std::shared_ptr<Connection>(std::move(c)));
      return;
    }
    c.reset();
  }

  static int Process(jack_nframes_t frames, void* arg);
  static void Shutdown(void* arg);
  static void PortConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* arg);
  static void PortRegistration(jack_port_id_t id, int registered, void* arg);
};

namespace {

// The head of a ring, when one is there whole: its event and its offset in this period (below
// 0: overdue).
struct RingHead {
  jack_ringbuffer_t* ring = nullptr;
  RingEvent ev{};
  int32_t due = 0;
  bool Read(jack_ringbuffer_t* r, jack_nframes_t cycleStart) {
    ring = r;
    if (jack_ringbuffer_peek(r, reinterpret_cast<char*>(&ev), sizeof ev) < sizeof ev) return false;
    if (jack_ringbuffer_read_space(r) < sizeof ev + ev.Size) return false;
    due = static_cast<int32_t>(ev.Frame - cycleStart);
    return true;
  }
};

}  // namespace

int TJackMidiOutService::Connection::Process(jack_nframes_t frames, void* arg) {
  auto* c = static_cast<Connection*>(arg);
  void* buffer = jack_port_get_buffer(c->port, frames);
  jack_midi_clear_buffer(buffer);
  const jack_nframes_t cycleStart = jack_last_frame_time(c->raw);
  jack_nframes_t lastOffset = 0;
  int written = 0;
  for (;;) {
    // The earlier of the two heads (the queued one on a tie). Due in a later period: it and
    // everything behind it in its ring wait there, so each ring keeps its order. Due in this
    // one: at its frame. Overdue: at once.
    RingHead queued, live;
    const bool hasQueued = queued.Read(c->ring.get(), cycleStart) && queued.due < static_cast<int32_t>(frames);
    const bool hasLive = live.Read(c->live.get(), cycleStart) && live.due < static_cast<int32_t>(frames);
    if (!hasQueued && !hasLive) break;
    const RingHead& head = hasQueued && (!hasLive || queued.due <= live.due) ? queued : live;
    const jack_nframes_t offset = std::max(static_cast<jack_nframes_t>(std::max(head.due, 0)), lastOffset);
    jack_midi_data_t* slot = jack_midi_event_reserve(buffer, offset, head.ev.Size);
    if (!slot) {
      // The port's buffer is full for this period: the rest waits for the next. A message
      // that does not fit even into an empty buffer never will, and is dropped.
      if (written > 0) break;
      jack_ringbuffer_read_advance(head.ring, sizeof head.ev + head.ev.Size);
      continue;
    }
    jack_ringbuffer_read_advance(head.ring, sizeof head.ev);
    jack_ringbuffer_read(head.ring, reinterpret_cast<char*>(slot), head.ev.Size);
    lastOffset = offset;
    ++written;
  }
  c->cycles.fetch_add(1, std::memory_order_release);
  return 0;
}

void TJackMidiOutService::Connection::Shutdown(void* arg) {
  auto* c = static_cast<Connection*>(arg);
  c->lost.store(static_cast<int>(TMidiOutErrc::ServerGone));
}

void TJackMidiOutService::Connection::PortConnect(jack_port_id_t a, jack_port_id_t b, int connected,
                                                  void* arg) {
  auto* c = static_cast<Connection*>(arg);
  if (connected || c->lost.load()) return;
  jack_port_t* pa = jack_port_by_id(c->raw, a);
  jack_port_t* pb = jack_port_by_id(c->raw, b);
  if (!pa || !pb) return;
  const std::string na = jack_port_name(pa), nb = jack_port_name(pb);
  if ((na == c->ownPort && nb == c->target) || (nb == c->ownPort && na == c->target))
    c->lost.store(static_cast<int>(TMidiOutErrc::DeviceGone));
}

void TJackMidiOutService::Connection::PortRegistration(jack_port_id_t id, int registered, void* arg) {
  auto* c = static_cast<Connection*>(arg);
  if (registered || c->lost.load()) return;
  jack_port_t* p = jack_port_by_id(c->raw, id);
  if (p && c->target == jack_port_name(p)) c->lost.store(static_cast<int>(TMidiOutErrc::DeviceGone));
}

TJackMidiOutService::TJackMidiOutService(std::string clientName, std::string server)
    : clientName_(clientName), server_(server), watcher_(std::move(clientName), std::move(server)) {
  watcher_.Connect();
}

TJackMidiOutService::~TJackMidiOutService() {
  // Each connection's client closes first: its threads stop before its ring goes.
  for (auto& entry : open_) Connection::Discard(entry.second);
  open_.clear();
}

std::vector<TMidiOutDevice> TJackMidiOutService::Devices() {
  // A server that stopped (or started since) is looked for again at every listing.
  ports_ = watcher_.MidiPorts(JackPortIsInput);
  std::vector<TMidiOutDevice> devices;
  for (uint32_t i = 0; i < ports_.size(); ++i) devices.push_back(TMidiOutDevice{i, ports_[i], "JACK"});
  return devices;
}

TMidiOutResult<TMidiOutHandle> TJackMidiOutService::Open(uint32_t id) {
  if (id >= ports_.size()) return TMidiOutError{TMidiOutErrc::BadDevice};
  const std::string target = ports_[id];
  for (const auto& entry : open_)
    if (entry.second->target == target && !entry.second->lost.load())
      return TMidiOutError{TMidiOutErrc::Allocated, target};

  auto c = std::make_unique<Connection>();
  c->target = target;
  c->client = OpenJackClient(clientName_, server_);
  if (!c->client) return TMidiOutError{TMidiOutErrc::ServerGone, target};
  MarkOwnJackClient(c->client);
  jack_client_t* client = c->client.get();
  c->raw = client;
  c->port = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  c->ring.reset(jack_ringbuffer_create(kRingBytes));
  c->live.reset(jack_ringbuffer_create(kLiveRingBytes));
  if (!c->port || !c->ring || !c->live) return TMidiOutError{TMidiOutErrc::NoMemory, target};
  c->ownPort = jack_port_name(c->port);
  jack_set_process_callback(client, Connection::Process, c.get());
  jack_on_shutdown(client, Connection::Shutdown, c.get());
  jack_set_port_connect_callback(client, Connection::PortConnect, c.get());
  jack_set_port_registration_callback(client, Connection::PortRegistration, c.get());
  if (jack_activate(client) != 0) return TMidiOutError{TMidiOutErrc::Allocated, target, "jack_activate"};
  const int r = jack_connect(client, c->ownPort.c_str(), target.c_str());
  if (r != 0 && r != EEXIST) {
    // The port went away since it was listed, or refuses the connection.
    const bool there = jack_port_by_name(client, target.c_str()) != nullptr;
    return TMidiOutError{there ? TMidiOutErrc::Allocated : TMidiOutErrc::DeviceGone, target};
  }
  const TMidiOutHandle handle = NewMidiOutHandle();
  open_[handle] = std::move(c);
  return handle;
}

TMidiOutStatus TJackMidiOutService::Send(TMidiOutHandle handle, std::span<const uint8_t> bytes,
                                         TMidiOutDone done) {
  return SendAt(handle, bytes, 0, std::move(done));
}

bool TJackMidiOutService::HonoursDueTimes(TMidiOutHandle handle) const { return open_.count(handle) > 0; }

int64_t TJackMidiOutService::DueTimeHoldUs(TMidiOutHandle handle) const {
  auto it = open_.find(handle);
  if (it == open_.end() || it->second->lost.load()) return 0;
  jack_client_t* client = it->second->client.get();
  const jack_nframes_t rate = jack_get_sample_rate(client);
  return rate == 0 ? 0 : int64_t{jack_get_buffer_size(client)} * 1000000 / rate;
}

TMidiOutStatus TJackMidiOutService::SendAt(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                                           TMidiOutDone done) {
  TMidiOutStatus status = Enqueue(handle, bytes, dueUs, false);
  // The bytes are copied: the caller's block is free again.
  if (status && done) done();
  return status;
}

TMidiOutStatus TJackMidiOutService::SendLive(TMidiOutHandle handle, std::span<const uint8_t> bytes) {
  return Enqueue(handle, bytes, 0, true);
}

TMidiOutStatus TJackMidiOutService::Enqueue(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                                            bool live) {
  auto it = open_.find(handle);
  if (it == open_.end()) return TMidiOutError{TMidiOutErrc::NotOpen};
  Connection& c = *it->second;
  if (bytes.empty()) return TMidiOutError{TMidiOutErrc::BadMessage, c.target};
  if (const int lost = c.lost.load()) return TMidiOutError{static_cast<TMidiOutErrc>(lost), c.target};

  // All messages of one send go in, or none: first what they need.
  jack_ringbuffer_t* ring = live ? c.live.get() : c.ring.get();
  std::size_t need = 0;
  ForEachMidiMessage(bytes, [&](std::span<const uint8_t> m) { need += sizeof(RingEvent) + m.size(); });
  if (need > jack_ringbuffer_write_space(ring)) return TMidiOutError{TMidiOutErrc::BufferFull, c.target};
  jack_client_t* client = c.client.get();
  // Without a due time (or with one absurdly far ahead) the messages are played one period
  // after the frame they were sent at, so that the spacing of the sender survives. A due time
  // moves from the steady clock to JACK's (both monotonic; the offset is taken rather than
  // assumed to be nought) and from there to its frame.
  jack_nframes_t frame = jack_frame_time(client) + jack_get_buffer_size(client);
  if (dueUs > 0) {
    const jack_time_t jackNow = jack_get_time();
    const int64_t jackDue = dueUs + (static_cast<int64_t>(jackNow) - SteadyClockUs());
    if (jackDue - static_cast<int64_t>(jackNow) <= kFarAheadUs)
      frame = jack_time_to_frames(client, static_cast<jack_time_t>(std::max<int64_t>(jackDue, 0)));
  }
  ForEachMidiMessage(bytes, [&](std::span<const uint8_t> m) {
    const RingEvent ev{frame, static_cast<uint32_t>(m.size())};
    // One writer (this thread): the space checked above is still there.
    jack_ringbuffer_write(ring, reinterpret_cast<const char*>(&ev), sizeof ev);
    jack_ringbuffer_write(ring, reinterpret_cast<const char*>(m.data()), m.size());
  });
  return {};
}

TMidiOutStatus TJackMidiOutService::Close(TMidiOutHandle handle) {
  auto it = open_.find(handle);
  if (it == open_.end()) return TMidiOutError{TMidiOutErrc::NotOpen};
  // What was sent last still gets out (the song's last notes, the notes-off of a stop): the
  // ring is drained, and the period that took its last message is finished, before the client
  // goes. On a busy machine the server's periods come late, so the wait is not a fixed time:
  // it goes on while periods still pass, and ends when none has for a second, after five
  // seconds in all, or at once for a port or server that is gone.
  Connection& c = *it->second;
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Clock::time_point progress = start;
  uint32_t seen = c.cycles.load(std::memory_order_acquire);
  std::optional<uint32_t> drainedAt;
  while (!c.lost.load()) {
    const uint32_t now = c.cycles.load(std::memory_order_acquire);
    if (now != seen) {
      seen = now;
      progress = Clock::now();
    }
    if (!drainedAt && jack_ringbuffer_read_space(c.ring.get()) == 0) drainedAt = seen;
    // Two periods more: the one that may be taking the last message has ended.
    if (drainedAt && seen - *drainedAt >= 2) break;
    if (Clock::now() - progress > std::chrono::seconds(1) || Clock::now() - start > std::chrono::seconds(5)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  // Closing the client stops its process thread before the ring is freed.
  Connection::Discard(it->second);
  open_.erase(it);
  return {};
}
