#!/usr/bin/env bash
# Writes the man page of vermora-cli from its own --help: make-man.sh CLI OUT.1
set -euo pipefail
cli=$1 out=$2
include=$(mktemp)
trap 'rm -f "$include"' EXIT
{
  echo "[COMMANDS]"
  for command in $("$cli" --help | awk '/^Subcommands:/{on=1; next} on && !NF {exit} on {print $1}'); do
    echo ".SS $command"
    echo ".nf"
    "$cli" "$command" --help | sed -e 's/\\/\\\\/g' -e 's/^\./\\\&./'
    echo ".fi"
  done
  echo "[FILES]"
  echo "PREFIX/share/vermora holds the include files the scenes need and the examples;"
  echo "the environment variable VERMORA_DATA names another folder."
} >"$include"
help2man --no-info --name "compose, render and vary creatures for POV-Ray without a window" \
  --include "$include" --output "$out" "$cli"
