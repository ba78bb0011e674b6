#include "device/identify.h"

namespace kvrm {

std::optional<IdentifyReply> Identify(CommandLayer& commands) {
  std::lock_guard lock(commands.transfer_mutex());
  if (!commands.SendCommand(Opcode::kIdentify, 0, 0, 0, 0)) return std::nullopt;
  commands.GetReply();
  return IdentifyReply{commands.reply_bytes()[0], commands.reply_bytes()[1]};
}

}  // namespace kvrm
