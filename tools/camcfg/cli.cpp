#include "tools/camcfg/cli.h"

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "files/trace.h"
#include "tools/camcfg/commands.h"
#include "tools/camcfg/field_values.h"

namespace {

void StreamTrace(const char* text, std::size_t length, void* context) {
  auto* stream = static_cast<std::ostream*>(context);
  stream->write(text, static_cast<std::streamsize>(length));
  stream->flush();
}

int LanguageOf(const std::string& lang) { return lang == "zh" ? 0 : 1; }

constexpr const char* kMainFooter = R"(
Exit codes: 0 done, 1 the Generate checks refused the record, 2 bad input
(unknown field, value that does not fit, malformed JSON, missing or
wrong-sized file, folder that does not exist or cannot be written).
Nothing is written when the exit code is not 0.

Examples:
  camcfg show /media/sd/CFG.BIN
  camcfg new cfg /media/sd --set bySendBy=2 --set szRecp[2]=me@example.com ...
  camcfg set /media/sd/menu.dat CapMode=1 VideoLen=29
  camcfg check /media/sd/CFG.BIN --no-reply-commands
  camcfg carriers --json
Run "camcfg COMMAND --help" for the options of a command.)";

constexpr const char* kShowFooter = R"(
A file of 1320 bytes is a CFG.BIN, one of 44 bytes a menu.dat; any other
size is an error. Values are shown as stored, before the load's corrections.

Examples:
  camcfg show CFG.BIN
  camcfg show menu.dat --json > menu.json)";

constexpr const char* kNewFooter = R"(
cfg starts from the fresh record of the program (send by MMS, 49 pictures a
day, FTP port 21), menu from the factory camera settings. The JSON (the
shape "show --json" prints; keys it leaves out keep their values) is applied
first, then each --set in order. CFG.BIN gets the local time in sTime and
must pass the Generate checks unless --force. menu.dat gets the PC's time
zone in ClockZone and, with ClockMode 0 (Auto), the PC's clock; with 1
(Input) the clock starts from the PC's and keeps the clock fields given;
with 2 (Off) the clock is what the JSON and --set give (zeros otherwise).
The file is stored as CFG.BIN or menu.dat in DIR, replacing one there, and
read back to verify it.

Examples:
  camcfg new cfg /media/sd --set bySendBy=2 --set szRecp[2]=me@example.com \
      --set sSmtpSet.sz3GSmtpApN=internet --set sSmtpSet.szServer=smtp.example.com \
      --set sSmtpSet.iPort=465 --set sSmtpSet.szAddr=cam@example.com \
      --set sSmtpSet.szPassword=secret
  camcfg new cfg /media/sd --from site.json
  camcfg new menu /media/sd --set CapMode=2 --set Interval=65)";

constexpr const char* kSetFooter = R"(
Names are those of "show --json", dotted and indexed: sSmtpSet.iPort=465,
szRecp[2]=me@example.com, bySendBy=2, SerialChars[0]=10, reserved.byPad9=00.
Numbers are decimal or 0x hex. Setting szRecp[i] also sets uwRecpLen[i] to
its length. The file keeps its name and folder: it is written beside itself
under a temporary name and then replaces itself, and is read back to verify.
Other fields keep their bytes as stored; the Generate checks are not run
(use "camcfg check").

Examples:
  camcfg set CFG.BIN sSmtpSet.iPort=465 szRecp[2]=me@example.com
  camcfg set backup/menu-2024.dat TimeLapse=0 TimeLapseHour=1)";

constexpr const char* kCheckFooter = R"(
Loads the CFG.BIN as the 3G parameter page does (with the load's
corrections) and runs the Generate checks. Prints "OK" and exits 0, or
prints the check's message and exits 1.

Examples:
  camcfg check CFG.BIN
  camcfg check CFG.BIN --no-reply-commands --lang zh)";

constexpr const char* kCarriersFooter = R"(
Lists the 43 countries with their operators, each with its MMS set and its
3G network set, and entry 43, Others, for parameters typed by hand.

Examples:
  camcfg carriers --lang zh
  camcfg carriers --json)";

}  // namespace

int RunCamcfg(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  TraceToNowhere();

  CLI::App app{"Reads, checks and writes the camera's settings files CFG.BIN and menu.dat.",
               "camcfg"};
  app.footer(kMainFooter);
  app.require_subcommand(1);
  app.fallthrough();
  bool trace = false;
  app.add_flag("--trace", trace, "Print the libraries' trace lines on standard error");

  ShowOptions show;
  CLI::App* showCmd = app.add_subcommand("show", "Print every field of a CFG.BIN or a menu.dat");
  showCmd->footer(kShowFooter);
  showCmd->add_option("FILE", show.file, "The settings file")->required();
  showCmd->add_flag("--json", show.json, "Print JSON instead of text");

  NewOptions create;
  std::string kind;
  CLI::App* newCmd = app.add_subcommand("new", "Write a new CFG.BIN or menu.dat into a folder");
  newCmd->footer(kNewFooter);
  newCmd->add_option("KIND", kind, "cfg (CFG.BIN) or menu (menu.dat)")
      ->required()
      ->check(CLI::IsMember({"cfg", "menu"}));
  newCmd->add_option("DIR", create.dir, "The folder to write into")->required();
  newCmd->add_option("--from", create.fromJson, "JSON file with the fields to set");
  newCmd->add_option("--set", create.sets, "NAME=VALUE, applied after the JSON; repeatable")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  newCmd->add_flag("--force", create.force, "Write CFG.BIN without the Generate checks");
  newCmd->add_flag("--no-reply-commands", create.noReplyCommands,
                   "The checks as with \"Do not use 22,60,61 command\" ticked");

  SetOptions set;
  CLI::App* setCmd = app.add_subcommand("set", "Change fields of an existing file");
  setCmd->footer(kSetFooter);
  setCmd->add_option("FILE", set.file, "The settings file")->required();
  setCmd->add_option("ASSIGNMENTS", set.assignments, "NAME=VALUE ...")->required();

  CheckOptions check;
  std::string checkLang = "en";
  CLI::App* checkCmd = app.add_subcommand("check", "Run the Generate checks on a CFG.BIN");
  checkCmd->footer(kCheckFooter);
  checkCmd->add_option("FILE", check.file, "The CFG.BIN")->required();
  checkCmd->add_flag("--no-reply-commands", check.noReplyCommands,
                     "The checks as with \"Do not use 22,60,61 command\" ticked");
  checkCmd->add_option("--lang", checkLang, "Language of the message: en or zh")
      ->check(CLI::IsMember({"en", "zh"}));

  CarriersOptions carriers;
  std::string carriersLang = "en";
  CLI::App* carriersCmd = app.add_subcommand("carriers", "List the carrier database");
  carriersCmd->footer(kCarriersFooter);
  carriersCmd->add_flag("--json", carriers.json, "Print JSON (both languages)");
  carriersCmd->add_option("--lang", carriersLang, "Language of the names: en or zh")
      ->check(CLI::IsMember({"en", "zh"}));

  // The first word that is not an option names the command; CLI11 would
  // only say that one is missing.
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.empty() || word[0] == '-') continue;
    const CLI::App* const commands[] = {showCmd, newCmd, setCmd, checkCmd, carriersCmd};
    bool known = false;
    for (const CLI::App* command : commands) known = known || command->get_name() == word;
    if (!known) {
      err << "camcfg: unknown command " << QuotedText(word)
          << "; the commands are show, new, set, check and carriers\n";
      return kExitBadInput;
    }
    break;
  }

  // CLI11 reports through exceptions; they end here, as exit codes.
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, out, err);
    err << "camcfg: " << e.what() << " (see --help)\n";
    return kExitBadInput;
  }

  if (trace) SetTraceSink(StreamTrace, &err);
  if (showCmd->parsed()) return RunShow(show, out, err);
  if (newCmd->parsed()) {
    create.kind = kind == "menu" ? RecordKind::MenuData : RecordKind::SendSet;
    return RunNew(create, out, err);
  }
  if (setCmd->parsed()) return RunSet(set, out, err);
  if (checkCmd->parsed()) {
    check.language = LanguageOf(checkLang);
    return RunCheck(check, out, err);
  }
  carriers.language = LanguageOf(carriersLang);
  return RunCarriers(carriers, out, err);
}
