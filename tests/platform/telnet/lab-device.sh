#!/bin/sh
# Plays a switch's command line behind telnetd for the telnet client's tests:
# a banner, a login, a prompt and a few commands. Every line it reads goes
# to a log file, so a test can check exactly what reached the device.
#
# Usage: lab-device.sh LOGFILE HOSTNAME

log=$1
name=$2

note() {
    printf '%s %s\n' "$1" "$2" >> "$log"
}

# Shows a prompt and reads one key without waiting for Enter. The terminal
# is switched first, so a key sent right after the prompt is not echoed.
read_key() {
    stty -icanon -echo min 1 time 0
    printf '%s' "$1"
    key=$(dd bs=1 count=1 2>/dev/null)
    stty icanon echo
}

# Prints 60 log entries, stopping for a key after every 20. Space shows the
# next page, q ends the listing; the prompt is wiped with a lone CR.
show_log() {
    n=1
    while [ "$n" -le 60 ]; do
        printf 'log entry %d\n' "$n"
        if [ $((n % 20)) -eq 0 ] && [ "$n" -lt 60 ]; then
            read_key ' --More-- '
            note KEY "[$key]"
            printf '\r          \r'
            [ "$key" = q ] && return
        fi
        n=$((n + 1))
    done
}

note START "TERM=$TERM"
printf '\n%s lab switch\nUnauthorised access is prohibited.\n\n' "$name"

printf 'Username: '
IFS= read -r user || exit 0
note USER "$user"
stty -echo
printf 'Password: '
IFS= read -r password || exit 0
stty echo
printf '\n'
note PASSWORD "$password"

while :; do
    printf '%s>' "$name"
    IFS= read -r line || exit 0
    note LINE "$line"
    case $line in
        '') ;;
        'show version')
            printf 'Talvex lab switch software, Version 1.0\n%s uptime is 1 day\n' "$name" ;;
        'show term')
            printf 'Terminal type: %s\n' "$TERM" ;;
        'show log')
            show_log ;;
        'echo '*)
            printf '%s\n' "${line#echo }" ;;
        exit)
            printf 'Goodbye\n'
            # telnetd stops reading the terminal as soon as we are gone;
            # linger so that it has forwarded the goodbye first.
            sleep 0.5
            exit 0 ;;
        *)
            printf '%% Invalid input: %s\n' "$line" ;;
    esac
done
