# The journeys' harness. An environment that cannot start fails the journey.
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The journeys' prefix is made for the test run alone (make-prefix.sh): ending its server
# ends nothing of the user's.
SESSION_OWNS_PREFIX=1
source "$E2E_DIR/prefix_slot.sh"
source "$E2E_DIR/../../tools/wine_session.sh"
E2E_OUT=$SESSION_OUT
# Desktop menu entries are nothing a journey looks at; making them costs each session.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

# The strip's window, as winask finds it: its class and its caption.
E2E_STRIP=(TFormVT555 VeltriaClock)

# The journeys' session answers its questions through one winask (lib/asker.sh), keeps the
# screen, the windows and the processes when a wait for a window fails, and moves the pointer
# only as far as Wine has seen it.
SESSION_ASK=e2e_ask
SESSION_LEFT_BEHIND=e2e_left_behind
SESSION_POINTER_SEEN=e2e_pointer_seen
for room in processes asker pictures strip game; do
    source "$E2E_DIR/lib/$room.sh"
done
