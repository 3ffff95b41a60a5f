# The committed sample logs and the generator arguments that write them, as
# "path (from the source root)|arguments". The regeneration tests and the
# simgps-regenerate-samples target both read this list; tools/README.md shows
# the same commands. Change arguments here and in the README together.
set(ORBILUNEX_SAMPLE_LOGS
  "data/sample.nmea|--seed 2032 --minutes 30"
  "tests/data/sample-lf.nmea|--seed 2032 --minutes 3 --skip 120 --lf --site south-west"
  "tests/data/sample-badsum.nmea|--seed 2032 --minutes 3 --bad-checksum-every 7"
  "data/sample-multi.nmea|--seed 2032 --minutes 10 --systems all")
