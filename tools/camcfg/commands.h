// The commands of camcfg, callable in-process: each takes its options and
// the two output streams and returns the process exit code.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/camcfg/fields.h"
#include "tools/camcfg/record_json.h"

inline constexpr int kExitOk = 0;
inline constexpr int kExitCheckFailed = 1;  // ValidateSendSettings refused the record
inline constexpr int kExitBadInput = 2;     // bad arguments, fields, files or folders

// Largest --from JSON file read.
inline constexpr std::size_t kJsonFileMax = 1 << 20;

struct ShowOptions {
  std::string file;
  bool json = false;
};

struct NewOptions {
  RecordKind kind = RecordKind::SendSet;
  std::string dir;
  std::string fromJson;  // path of a JSON file, empty for none
  std::vector<std::string> sets;
  bool force = false;
  bool noReplyCommands = false;
};

struct SetOptions {
  std::string file;
  std::vector<std::string> assignments;
};

struct CheckOptions {
  std::string file;
  bool noReplyCommands = false;
  int language = 1;  // LanguageIndex: 0 Chinese, 1 English
};

struct CarriersOptions {
  bool json = false;
  int language = 1;
};

int RunShow(const ShowOptions& options, std::ostream& out, std::ostream& err);
int RunNew(const NewOptions& options, std::ostream& out, std::ostream& err);
int RunSet(const SetOptions& options, std::ostream& out, std::ostream& err);
int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err);
int RunCarriers(const CarriersOptions& options, std::ostream& out, std::ostream& err);

// The carrier database in the shape `carriers --json` prints.
Json CarriersJson();

// A message of the checks for a terminal: its CR LF and lone CR line
// breaks as line ends.
std::string TerminalLines(std::string_view message);
