#!/bin/sh
# versions.sh BIN_DIR VERSION: each program's --version is "name VERSION".
status=0
for program in zorveka zorveka-run zorveka-sql zorveka-demo-db; do
    said=$("$1/$program" --version)
    if [ "$said" != "$program $2" ]; then
        echo "$program --version said '$said', not '$program $2'"
        status=1
    fi
done
exit $status
