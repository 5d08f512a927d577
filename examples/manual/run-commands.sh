#!/bin/sh
# Runs the lorivex commands that make_manual listed: one command a line,
# its arguments separated by tabs. Stops at the first command that fails,
# naming its line.
#
#   sh run-commands.sh LORIVEX COMMANDS_FILE
set -eu
if [ $# -ne 2 ]; then
  echo "usage: sh run-commands.sh LORIVEX COMMANDS_FILE" >&2
  exit 2
fi
lorivex=$1
commands=$2
tab=$(printf '\t')
number=0
while IFS= read -r line || [ -n "$line" ]; do
  number=$((number + 1))
  [ -n "$line" ] || continue
  # Split at tabs only; the arguments hold blanks, backslashes and
  # wildcard characters that must reach lorivex as they are.
  set -f
  old_ifs=$IFS
  IFS=$tab
  set -- $line
  IFS=$old_ifs
  set +f
  if ! "$lorivex" "$@"; then
    echo "$commands:$number: lorivex $1 failed" >&2
    exit 1
  fi
done < "$commands"
