#include "app/CommandLine.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <exception>
#include <map>
#include <ostream>
#include <sstream>

#include "CantaroVersion.h"
#include "app/BatchExport.h"
#include "app/CliPrompter.h"
#include "app/PlayCommand.h"
#include "base/untMesConst.h"
#include "chords/untChords.h"
#include "export/ChordText.h"
#include "export/ChordTextForms.h"
#include "export/CodePage.h"
#include "export/EventText.h"
#include "export/OptionsOfSettings.h"
#include "export/WriteText.h"
#include "midi/MidiFile.h"
#include "platform/SongRenderer.h"
#include "platform/SystemMidiOut.h"
#include "settings/ChordModelStore.h"
#include "settings/GuitarShapesStore.h"
#include "settings/untVars.h"
#include "song/SongSession.h"
#include "ui/sheet/ChordSheetPrint.h"

namespace {

bool IsInteger(const std::string& s) {
  size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  if (i >= s.size() || s.size() - i > 9) return false;
  return std::all_of(s.begin() + static_cast<long>(i), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return s;
}

std::optional<bool> OnOff(const std::string& value) {
  const std::string v = Lower(value);
  if (v == "on" || v == "yes" || v == "1") return true;
  if (v == "off" || v == "no" || v == "0") return false;
  return std::nullopt;
}

// A table cell of the tab-separated output must not break its row.
std::string Cell(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

void RightTrim(std::string& s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
}

bool WriteOutput(const TCliOptions& options, const std::string& content, std::ostream& out, std::ostream& err) {
  if (options.output.empty() || options.output == "-") {
    out << content;
    // A text whose last line has no line end would run into the shell's prompt.
    if (!content.empty() && content.back() != '\n') out << '\n';
    out.flush();
    return static_cast<bool>(out);
  }
  // The file appears whole or not at all: an interrupted run leaves an older file untouched.
  QSaveFile file(QString::fromStdString(options.output));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size()) ||
      !file.commit()) {
    err << MesFormat(MesId::SCliWriteError, options.output, file.errorString().toStdString()) << '\n';
    return false;
  }
  return true;
}

// A damaged file still gives what it holds; the user hears that it is not all.
void ReportDamage(const TSongSession& session, std::ostream& err) {
  const std::string notice = DamagedFileNotice(session.MidiFile.Completeness());
  if (!notice.empty()) err << notice << '\n';
}

int RunExport(const TCliOptions& options, const TCliSettings& settings, std::ostream& out, std::ostream& err) {
  if (!options.key.empty() && Lower(options.key) != "auto") {
    if (const TResult<int> given = ParseCliKey(options.key, settings.text.notation); !given) {
      err << given.Error().Text << '\n';
      return kExitUsage;
    }
  }
  TCliPrompter prompter(err);
  const TAnalysisOutcome outcome =
      AnalyseSongFile(options.file, options.file, AnalysisRequestOf(options, settings), prompter);
  if (!outcome.analysis) return kExitFailure;
  const TResult<TFormatOutput> result = options.format->write(*outcome.analysis);
  if (!result) {
    err << result.Error().Text << '\n';
    return kExitFailure;
  }
  for (const std::string& m : result->messages) err << m << '\n';
  if (!WriteOutput(options, result->bytes, out, err)) return kExitFailure;
  return prompter.Errors() == 0 ? kExitOk : kExitFailure;
}

int RunEvents(const TCliOptions& options, const TCliSettings& settings, std::ostream& out, std::ostream& err) {
  TCliPrompter prompter(err);
  NullStatusSink status;
  TSongSession session(prompter, status, settings.song);
  if (!session.LoadSong(options.file)) return kExitFailure;
  ReportDamage(session, err);
  const TCodePage codePage = CodePageFromNumber(settings.text.textCodepage);

  std::ostringstream text;
  text << Mes(MesId::SCliTrackList) << '\n';
  TMidiFile& file = session.MidiFile;
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t)
    text << t + 1 << '\t' << Cell(DecodeMidiText(file.TrackAt(t).Name(), codePage)) << '\t'
         << Cell(DecodeMidiText(file.TrackAt(t).Instrument(), codePage)) << '\n';
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
    const TMidiTrack& track = file.TrackAt(t);
    text << '\n' << MesFormat(MesId::SCliTrackTitle, t + 1, Cell(DecodeMidiText(track.Name(), codePage))) << '\n';
    // The event view's column headers are the same English words in every language.
    text << "#\tTime\tEvent\tData\tInfo\n";
    int32_t index = 0;
    for (const TMidiEventEx& e : track.Events()) {
      const TEventRow row = EventRow(file, index++, e, codePage, settings.text.notation);
      text << row.index << '\t' << row.time << '\t' << row.event << '\t' << row.data << '\t' << Cell(row.info) << '\n';
    }
  }
  return WriteOutput(options, text.str(), out, err) ? kExitOk : kExitFailure;
}

int RunRecognize(const TCliOptions& options, const TCliSettings& settings, std::ostream& out, std::ostream& err) {
  const NoteNotation notation = settings.text.notation;
  TNotes notes;
  for (const std::string& name : options.notes) {
    const std::optional<int> note = ParseCliNote(name, notation);
    if (!note) {
      err << MesFormat(MesId::SCliBadNote, name) << '\n';
      return kExitUsage;
    }
    notes.push_back(*note);
  }
  std::sort(notes.begin(), notes.end());
  notes.erase(std::unique(notes.begin(), notes.end()), notes.end());

  const TChords chords = RecognizeChords(notes, RecognitionMode::AllVariants);
  if (chords.empty()) {
    err << Mes(MesId::SCliNoVariants) << '\n';
    return kExitFailure;
  }
  std::ostringstream text;
  for (size_t k = 0; k < chords.size(); ++k) {
    std::string tones = VariantToneList(chords[k], notation);
    RightTrim(tones);
    text << k + 1 << '\t' << ChordName(chords[k], notation) << '\t' << tones << '\n';
  }
  return WriteOutput(options, text.str(), out, err) ? kExitOk : kExitFailure;
}

int RunRender(const TCliOptions& options, std::ostream& err) {
  TSongRenderOptions render;
  render.Transpose = options.transpose;
  // Asking for a transposed rendering means hearing it transposed, whatever the window's
  // option for live playback says.
  render.MidiOutNoTranspose = false;
  render.GainDb = options.gainDb;
  const TSongRenderResult result = RenderSongToWav(options.file, options.output, render);
  if (!result) {
    err << MesLines(result.Error().Text) << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

TCliSettings LoadCliSettings(const TCliOptions& options, std::ostream& err) {
  // The command line's own settings: the file's, with the flags standing over them.
  TSettings file;
  TWindowPos ignored;
  try {
    LoadSettings(file, ignored);
  } catch (const std::exception& e) {
    err << MesFormat(MesId::SCliSettingsWarning, MesLines(e.what())) << '\n';
  }
  file.Keysense = options.keysense.value_or(file.Keysense);
  file.KeysenseContinuity = options.continuity.value_or(file.KeysenseContinuity);
  file.LearnedChords = options.learnedChords.value_or(file.LearnedChords);
  file.CommExport = options.comments.value_or(file.CommExport);
  file.TextCodepage = options.codePage.value_or(file.TextCodepage);
  if (options.notation) file.NoteSet = static_cast<NoteNotation>(*options.notation);
  file.SpellByKey = options.spellByKey.value_or(file.SpellByKey);
  TCliSettings settings;
  settings.song = SongOptionsOf(file);
  if (file.LearnedChords) {
    // Without a usable model the table chooses, and the user is told why.
    const TChordModelLoad model = LoadChordModel(ChordModelFolders());
    if (model.Model)
      settings.song.chordModel = model.Model;
    else
      err << MesLines(model.Problem) << '\n';
  }
  settings.text = ExportOptionsOf(file);
  if (settings.text.diagrams == TDiagramInstrument::Guitar) {
    TGuitarShapesLoad shapes = LoadGuitarShapes();
    for (const std::string& problem : shapes.Problems) err << MesLines(problem) << '\n';
    settings.text.shapes = std::move(shapes.Shapes);
  }
  settings.midiOutNo = file.MidiOutNo;
  return settings;
}

TCliParse ParseCommandLine(const std::vector<std::string>& args) {
  TCliParse result;
  TCliOptions& o = result.options;
  bool commandGiven = false;
  auto fail = [&result](std::string text) {
    if (result.error.empty()) result.error = std::move(text);
  };

  for (size_t i = 0; i < args.size() && result.error.empty(); ++i) {
    std::string arg = args[i];
    std::optional<std::string> inlineValue;
    if (arg.rfind("--", 0) == 0) {
      const size_t eq = arg.find('=');
      if (eq != std::string::npos) {
        inlineValue = arg.substr(eq + 1);
        arg.resize(eq);
      }
    }
    auto value = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 < args.size()) return args[++i];
      fail(MesFormat(MesId::SCliMissingValue, arg));
      return std::nullopt;
    };
    auto command = [&](TCliCommand c) {
      if (commandGiven && o.command != c) fail(MesFormat(MesId::SCliExtraArgument, arg));
      commandGiven = true;
      o.command = c;
    };

    if (arg == "--help" || arg == "-h") {
      command(TCliCommand::Help);
    } else if (arg == "--version") {
      command(TCliCommand::Version);
    } else if (arg == "--export" || arg == "--events" || arg == "--render") {
      command(arg == "--export" ? TCliCommand::Export : arg == "--events" ? TCliCommand::Events : TCliCommand::Render);
      if (auto v = value()) {
        o.file = *v;
        if (o.command == TCliCommand::Export) o.inputs.push_back(*v);
      }
    } else if (arg == "--recognize") {
      command(TCliCommand::Recognize);
      if (inlineValue) o.notes.push_back(*inlineValue);
      while (i + 1 < args.size() && args[i + 1].rfind("-", 0) != 0) o.notes.push_back(args[++i]);
      // Negative numbers are not notes, so a following option is never eaten.
    } else if (arg == "--devices") {
      command(TCliCommand::Devices);
    } else if (arg == "--play") {
      command(TCliCommand::Play);
      if (auto v = value()) o.file = *v;
    } else if (arg == "--device") {
      if (auto v = value()) o.device = *v;
    } else if (arg == "--speed") {
      if (auto v = value()) {
        if (!ParseSpeedEntry(*v)) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.speed = *v;
      }
    } else if (arg == "--gain") {
      if (auto v = value()) {
        // Decibels as a decimal number with a point whatever the locale, within what 16-bit
        // audio can tell apart.
        double db = 0;
        const char* first = v->data() + (v->rfind('+', 0) == 0 ? 1 : 0);
        const auto [end, ec] = std::from_chars(first, v->data() + v->size(), db);
        if (v->empty() || ec != std::errc() || end != v->data() + v->size() || !(db >= -96 && db <= 96))
          fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.gainDb = db;
      }
    } else if (arg == "-o" || arg == "--output") {
      if (auto v = value()) o.output = *v;
    } else if (arg == "--key") {
      if (auto v = value()) o.key = *v;
    } else if (arg == "--transpose") {
      if (auto v = value()) {
        if (!IsInteger(*v) || std::stoi(*v) < -11 || std::stoi(*v) > 11) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.transpose = std::stoi(*v);
      }
    } else if (arg == "--beat") {
      if (auto v = value()) {
        static const std::map<std::string, TCliBeat> beats{
            {"default", TCliBeat::Default}, {"double", TCliBeat::Double}, {"half", TCliBeat::Half}};
        auto it = beats.find(Lower(*v));
        if (it == beats.end()) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.beat = it->second;
      }
    } else if (arg == "--notation") {
      if (auto v = value()) {
        static const std::map<std::string, int> notations{{"english", 0}, {"german", 1}, {"italian", 2}};
        auto it = notations.find(Lower(*v));
        if (it == notations.end()) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.notation = it->second;
      }
    } else if (arg == "--spelling") {
      if (auto v = value()) {
        const std::string spelling = Lower(*v);
        if (spelling != "sharps" && spelling != "key") fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.spellByKey = spelling == "key";
      }
    } else if (arg == "--keysense" || arg == "--continuity" || arg == "--comments") {
      if (auto v = value()) {
        const std::optional<bool> flag = OnOff(*v);
        if (!flag) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else if (arg == "--keysense") o.keysense = flag;
        else if (arg == "--continuity") o.continuity = flag;
        else o.comments = flag;
      }
    } else if (arg == "--chords") {
      if (auto v = value()) {
        const std::string method = Lower(*v);
        if (method != "table" && method != "learned") fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.learnedChords = method == "learned";
      }
    } else if (arg == "--format") {
      if (auto v = value()) {
        const TOutputFormat* format = FindOutputFormat(*v);
        if (!format) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.format = format;
      }
    } else if (arg == "--codepage") {
      if (auto v = value()) {
        const std::optional<TCodePage> cp = CodePageFromName(*v);
        if (!cp) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.codePage = *cp == TCodePage::Cp1252 ? 1252 : *cp == TCodePage::Koi8r ? 20866 : 1251;
      }
    } else if (arg == "--jobs" || arg == "-j") {
      if (auto v = value()) {
        if (!IsInteger(*v) || std::stoi(*v) < 1 || std::stoi(*v) > kMaxBatchJobs) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.jobs = std::stoi(*v);
      }
    } else if (arg == "--melody-track") {
      if (auto v = value()) {
        if (!IsInteger(*v) || std::stoi(*v) < 1 || std::stoi(*v) > 65535) fail(MesFormat(MesId::SCliBadValue, arg, *v));
        else o.melodyTrack = std::stoi(*v);
      }
    } else if (arg == "--quiet" || arg == "-q") {
      o.quiet = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      fail(MesFormat(MesId::SCliUnknownOption, arg));
    } else if (o.file.empty() && (!commandGiven || o.command == TCliCommand::Help)) {
      // A song named without a command: the window would open it; without one its text is
      // what the user gets.
      if (!commandGiven) o.command = TCliCommand::Export;
      commandGiven = true;
      o.file = arg;
      if (o.command == TCliCommand::Export) o.inputs.push_back(arg);
    } else if (o.command == TCliCommand::Export && !o.file.empty()) {
      o.inputs.push_back(arg);  // several songs and folders: a batch
    } else {
      fail(MesFormat(MesId::SCliExtraArgument, arg));
    }
  }
  if (result.error.empty()) {
    const bool needsFile = o.command == TCliCommand::Export || o.command == TCliCommand::Events ||
                           o.command == TCliCommand::Render || o.command == TCliCommand::Play;
    if (needsFile && o.file.empty()) fail(Mes(MesId::SCliNoFile));
    if (o.command == TCliCommand::Recognize && o.notes.empty()) fail(Mes(MesId::SCliNoNotes));
    if (o.command == TCliCommand::Render && (o.output.empty() || o.output == "-"))
      fail(MesFormat(MesId::SCliMissingValue, "-o"));
  }
  return result;
}

std::optional<int> ParseCliNote(const std::string& text, NoteNotation notation) {
  if (IsInteger(text)) {
    const int n = std::stoi(text);
    if (n >= 0 && n <= 127) return n;
    return std::nullopt;
  }
  int32_t position = 1;
  bool flat = false;
  const int32_t pc = ParseNoteName(text, position, flat, notation);
  if (position == 1) return std::nullopt;
  const std::string octave = text.substr(static_cast<size_t>(position - 1));
  if (!IsInteger(octave) || octave[0] == '+') return std::nullopt;
  const int pitch = (std::stoi(octave) + 1) * 12 + pc;
  if (pitch < 0 || pitch > 127) return std::nullopt;
  return pitch;
}

TResult<int> ParseCliKey(const std::string& text, NoteNotation notation) {
  const TError notAKey(MesFormat(MesId::SCliBadValue, "--key", text));
  if (IsInteger(text)) {
    const int n = std::stoi(text);
    if (n >= 0 && n < 12) return n;
    return notAKey;
  }
  std::string entry = text;
  const std::string& orWord = Mes(MesId::SSongKeyOr);
  const size_t cut = entry.find(orWord);
  if (cut != std::string::npos) entry.resize(cut);
  int32_t position = 1;
  bool flat = false;
  const int32_t pc = ParseNoteName(entry, position, flat, notation);
  if (position == 1) return notAKey;
  const std::string rest = entry.substr(static_cast<size_t>(position - 1));
  const int tonic = ((pc % 12) + 12) % 12;
  if (rest.empty()) return tonic;
  if (rest == "m") return (tonic + 3) % 12;  // the list names a key by its major tonic
  return notAKey;
}

std::optional<bool> ParseCliKeyMode(const std::string& text, NoteNotation notation) {
  if (IsInteger(text) || !ParseCliKey(text, notation)) return std::nullopt;
  if (text.find(Mes(MesId::SSongKeyOr)) != std::string::npos) return std::nullopt;
  return !text.empty() && text.back() == 'm';
}

TAnalysisRequest AnalysisRequestOf(const TCliOptions& options, const TCliSettings& settings) {
  TAnalysisRequest request;
  const NoteNotation notation = settings.text.notation;
  if (!options.key.empty() && Lower(options.key) != "auto") {
    request.key = ParseCliKey(options.key, notation).ValueOr(-1);
    if (request.key >= 0) request.minor = ParseCliKeyMode(options.key, notation);
  }
  request.detectKey = !options.key.empty() && request.key < 0;
  request.transpose = options.transpose;
  request.beat = options.beat == TCliBeat::Double ? TBeatLength::Double
                 : options.beat == TCliBeat::Half ? TBeatLength::Half
                                                  : TBeatLength::Default;
  request.song = settings.song;
  request.text = settings.text;
  request.melodyTrack = options.melodyTrack;
  return request;
}

std::string OutputFormatsHelp() {
  std::string help = Mes(MesId::SCliHelpFormats) + "\n";
  for (const TOutputFormat& f : OutputFormats()) {
    std::string name = "  " + std::string(f.name);
    name.resize(std::max<std::size_t>(name.size() + 1, 38), ' ');
    help += name + Mes(f.label) + "\n";
  }
  return help;
}

std::string CliHelpText() {
  return MesLines(Mes(MesId::SCliHelp)) + "\n\n" + OutputFormatsHelp() + '\n' + MesLines(Mes(MesId::SCliHelpRender)) +
         "\n\n" + MesLines(Mes(MesId::SCliHelpLeadSheet)) + "\n\n" + MesLines(Mes(MesId::SCliHelpPlay)) + "\n\n" + MesLines(Mes(MesId::SCliHelpBatch)) + "\n\n" +
         MesLines(Mes(MesId::SCliHelpChords)) + "\n\n" + MesLines(Mes(MesId::SCliHelpSpelling)) + '\n';
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const TCliParse parse = ParseCommandLine(args);
  if (!parse.error.empty()) {
    err << parse.error << '\n' << Mes(MesId::SCliHint) << '\n';
    return kExitUsage;
  }
  const TCliOptions& options = parse.options;
  try {
    switch (options.command) {
      case TCliCommand::Help:
        out << CliHelpText();
        return kExitOk;
      case TCliCommand::Version:
        out << "cantaro " CANTARO_FILE_VERSION "\n";
        return kExitOk;
      case TCliCommand::Devices:
        out << FormatMidiOutDeviceList(ListMidiOutDevices());
        return kExitOk;
      default:
        break;
    }
    const TCliSettings settings = LoadCliSettings(options, err);
    // The chord sheet's PDF is painted by Qt, under an application made here, on the main thread.
    if (options.command == TCliCommand::Export && options.format == FindOutputFormat("pdf")) {
      EnsureGuiApplication();
      UseQtSheetPdfWriter();
    }
    switch (options.command) {
      case TCliCommand::Render: return RunRender(options, err);
      case TCliCommand::Export:
        return IsBatchExport(options) ? RunBatchExport(options, settings, out, err)
                                      : RunExport(options, settings, out, err);
      case TCliCommand::Events: return RunEvents(options, settings, out, err);
      case TCliCommand::Recognize: return RunRecognize(options, settings, out, err);
      case TCliCommand::Play:
        return RunPlay(TPlayOptions{options.file, options.device, options.transpose, options.speed, {},
                                    settings.midiOutNo},
                       settings.song, out, err);
      default: return kExitOk;
    }
  } catch (const std::exception& e) {
    // A read error of the file ("Read beyond end of file", ...) or any other failure.
    err << Mes(MesId::SCaptionError) << ": " << MesLines(e.what()) << '\n';
    return kExitFailure;
  }
}
