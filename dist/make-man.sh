#!/usr/bin/env bash
# Writes the man page of vermora-cli from its own --help, compressed:
# make-man.sh CLI DATADIR OUT.1.gz (DATADIR: where share/vermora is installed).
set -euo pipefail
cli=$1 datadir=$2 out=$3
here=$(dirname "$0")
# The page's date is the changelog's, so that a build again writes the same bytes.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -d "$(sed -n 's/^ -- .*>  //p' "$here/changelog" | head -1)" +%s)}
export SOURCE_DATE_EPOCH
include=$(mktemp) page=$(mktemp)
trap 'rm -f "$include" "$page"' EXIT
{
  echo "[COMMANDS]"
  for command in $("$cli" --help | awk '/^Subcommands:/{on=1; next} on && !NF {exit} on {print $1}'); do
    echo ".SS $command"
    echo ".nf"
    "$cli" "$command" --help | sed -e 's/\\/\\\\/g' -e 's/^\./\\\&./'
    echo ".fi"
  done
  cat "$here/vermora-cli.man"
  echo "[FILES]"
  echo ".I $datadir/vermora"
  echo "holds the include files the scenes need and the examples;"
  echo "the environment variable VERMORA_DATA names another folder."
} >"$include"
help2man --no-info --name "compose, render and vary creatures for POV-Ray without a window" \
  --include "$include" --output "$page" "$cli"
gzip -9n -c "$page" >"$out"
