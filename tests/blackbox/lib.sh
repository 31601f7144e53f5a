# The tests share the virtual display and its helpers with the measuring tools.
source "$(dirname "${BASH_SOURCE[0]}")/../../harness/display.sh"
