# Sourced by scripts/install-deps.sh and tests/windows/run.sh: can this machine run i386 Linux
# programs, such as 32-bit Wine's loader? Some machines run 64-bit programs only; there Debian's
# qemu-i386, registered with binfmt_misc, runs them.
#
#   i386_programs_run          status 0 when 32-bit Wine's loader starts
#   i386_programs_enable       registers qemu-i386 when it is installed and i386 programs fail
#   i386_programs_reason       one line: why i386 programs cannot run (after a failed check)

i386_wine_loader=/usr/lib/wine/wine
i386_binfmt=/proc/sys/fs/binfmt_misc
# i386 ELF executables and position-independent executables; F opens the emulator now, so it
# serves programs in any mount namespace.
i386_qemu_rule=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F'

i386_programs_run() {
  [ -x "$i386_wine_loader" ] && "$i386_wine_loader" --version >/dev/null 2>&1
}

i386_programs_enable() {
  i386_programs_run && return 0
  [ -x "$i386_wine_loader" ] || return 1
  [ -x /usr/bin/qemu-i386 ] || return 1
  if [ ! -e "$i386_binfmt/register" ]; then
    mount -t binfmt_misc binfmt_misc "$i386_binfmt" 2>/dev/null || return 1
  fi
  if [ ! -e "$i386_binfmt/qemu-i386" ]; then
    echo "$i386_qemu_rule" >"$i386_binfmt/register" 2>/dev/null || return 1
  fi
  echo 1 >"$i386_binfmt/qemu-i386" 2>/dev/null || true  # enabled, if it was switched off
  i386_programs_run
}

i386_programs_reason() {
  if [ ! -x "$i386_wine_loader" ]; then
    echo "32-bit Wine (wine32:i386) is not installed"
  elif [ ! -x /usr/bin/qemu-i386 ]; then
    echo "i386 programs do not execute here and qemu-i386 (qemu-user) is not installed"
  elif [ ! -e "$i386_binfmt/register" ]; then
    echo "i386 programs do not execute here and binfmt_misc cannot be mounted to register qemu-i386"
  elif [ ! -e "$i386_binfmt/qemu-i386" ]; then
    echo "i386 programs do not execute here and qemu-i386 could not be registered with binfmt_misc"
  else
    echo "i386 programs do not execute here, even through the registered qemu-i386"
  fi
}
