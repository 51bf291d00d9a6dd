#!/usr/bin/env bash
# Every command and option that `toribe --help` lists is in the man page and in the
# bash completion, so neither falls behind when a command is added.
#   check_commands_documented.sh TORIBE MAN_PAGE COMPLETION
set -euo pipefail
help=$("$1" --help)
# The man page's text without its font changes and with plain hyphens.
man=$(sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' "$2")
completion=$(<"$3")
missing=0
while read -r command; do
  [[ $man == *"$command"* ]] || { echo "man page lacks the command: $command"; missing=1; }
  for word in $command; do
    [[ $completion == *"$word"* ]] || { echo "completion lacks: $word"; missing=1; }
  done
done < <(sed -n 's/^  toribe \([a-z][a-z ]*[a-z]\).*/\1/p' <<<"$help")
while read -r option; do
  [[ $man == *"$option"* ]] || { echo "man page lacks the option: $option"; missing=1; }
  [[ $completion == *"$option"* ]] || { echo "completion lacks the option: $option"; missing=1; }
done < <(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
[[ $(grep -c '^  toribe' <<<"$help") -gt 5 ]] || { echo "--help lists too few commands"; missing=1; }
exit $missing
