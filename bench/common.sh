# Sourced by the start-up benchmarks.

# Writes Jestrel.Ini here: the count line and 1001 sayings of 80 bytes each, CR LF included.
writeSayingsFile() {
    awk 'BEGIN { printf "1002\r\n"; for (i = 1; i <= 1001; i++) printf "%05d %-72.72s\r\n", i, "A bullseye is just a target that has been practising. Never trust a stapler that smiles." }' >Jestrel.Ini
}

# Prints: median, first and third quartile, lowest and highest of the numbers on standard input.
summary() {
    sort -g | awk '{ v[NR] = $1 }
        function at(q,  i) { i = 1 + q * (NR - 1); return v[int(i)] + (i - int(i)) * (v[int(i) + 1] - v[int(i)]) }
        END { printf "%.3f %.3f %.3f %.3f %.3f\n", at(0.5), at(0.25), at(0.75), v[1], v[NR] }'
}
