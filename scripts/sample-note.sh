# Sourced by run.sh: a first note for a notes folder that holds none, so that a new user sees
# what a note is. Written in the program's own formats (CR LF lines, as the program writes).
#   sample_note_place DIR
sample_note_place() {
  local dir=$1 crlf=$'\r\n'
  compgen -G "$dir/tkn*.tkn" >/dev/null && return 0     # never touch a folder with notes
  printf '%s' "120${crlf}120${crlf}500${crlf}360${crlf}" >"$dir/tkn1.tkn"
  printf '%s' "Welcome to Tacknote!${crlf}Right-click this note for its menu: colours, alarm, save, print, close.${crlf}The tray icon's menu starts new notes; a double-click on it does too." >>"$dir/tkn1.tkn"
  local key ini="[Settings]$crlf"
  for key in TextColor=800000 BackgroundColor=80FFFF Width=380 Height=240 TopmostWindow=0 \
             lfHeight=-18 lfWidth=0 lfEscapement=0 lfOrientation=0 lfWeight=700 lfItalic=0 \
             lfUnderline=0 lfStrikeOut=0 lfCharSet=1 lfOutPrecision=0 lfClipPrecision=0 \
             lfQuality=0 lfPitchAndFamily=0 lfFaceName=Arial; do
    ini+="$key$crlf"
  done
  printf '%s' "$ini" >"$dir/tkn1.ini"
  echo "A first note was placed in $dir (tkn1.tkn and tkn1.ini)."
}
