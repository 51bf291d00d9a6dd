// The table of commands; each feature's commands live beside it in app/.
#include "app/command_line.h"

const QList<Command>& commands() {
  static const QList<Command> table = {
  };
  return table;
}
