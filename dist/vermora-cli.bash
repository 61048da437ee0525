# bash completion for vermora-cli: commands, then each command's options and
# their values as its --help lists them, then file names.
_vermora_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local commands="defaults compose mesh render texture anim random evolve mutate breed variations estimate batch lineage examples extract join queue"
  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi
  local command=${COMP_WORDS[1]} previous=${COMP_WORDS[COMP_CWORD - 1]}
  # An option whose values the help lists as --option TEXT:{a,b,c} takes one of them.
  local values
  if [[ $previous == --* ]]; then
    values=$("${COMP_WORDS[0]}" "$command" --help 2>/dev/null |
      sed -n "s/^ *${previous}[ ,][^{]*:{\([^}]*\)}.*/\1/p" | tr , ' ')
  fi
  if [[ -n $values ]]; then
    COMPREPLY=($(compgen -W "$values" -- "$cur"))
  elif [[ $cur == -* ]]; then
    local options
    options=$("${COMP_WORDS[0]}" "$command" --help 2>/dev/null | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  elif [[ $command == examples && $COMP_CWORD == 2 ]]; then
    COMPREPLY=($(compgen -W "$("${COMP_WORDS[0]}" examples 2>/dev/null | cut -f1)" -- "$cur"))
  else
    COMPREPLY=($(compgen -f -- "$cur"))
  fi
}
complete -o filenames -F _vermora_cli vermora-cli
