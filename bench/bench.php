<?php
// Compile-speed benchmark of velp. It generates Velandro programs in a
// temporary folder, runs `velp -q -c` on them, and prints:
//
//   - the program: a long one-file program over every construct this velp
//     translates (each is tried alone first and left out when it gives a
//     diagnostic or PHP that `php -l` refuses), cycling over a bounded set of
//     names; velp's time against `php -l` on the PHP it wrote and against
//     `cat` of the source, from runs taken in turn (velp, php -l, cat, velp,
//     ...), each ratio the median of the ratios of one round; velp's peak
//     memory, and the same for a program a tenth as long; with valgrind,
//     instructions per input byte under callgrind;
//   - nesting: parentheses around one long text chain, at full and half
//     depth;
//   - names: distinct declarations against declarations of recurring names,
//     and prints of distinct undeclared names against one recurring name;
//   - the same program split over 100 included files, and a second run with
//     nothing out of date.
//
// Each figure is printed beside its target. It is a measurement, not a test:
// nothing fails when a figure misses its target.
//
//   php bench/bench.php [options] [path/to/velp]
//     --lines N      length of the program (default 100000)
//     --runs N       timed rounds of each comparison (default 5)
//     --no-valgrind  skip the instruction count
//     --constructs A,B  only these kinds of construct (to compare with a velp
//                    that translates fewer; the names are printed first)
//     --keep         keep the generated files (their folder is printed)

$root = dirname(__DIR__);
$options = ["lines" => 100000, "runs" => 5, "valgrind" => true, "keep" => false,
            "constructs" => null];
$velp = "$root/build/velp";
for ($i = 1; $i < count($argv); $i++) {
    $arg = $argv[$i];
    if ($arg === "--lines" || $arg === "--runs")
        $options[substr($arg, 2)] = max(1, (int)($argv[++$i] ?? 0));
    elseif ($arg === "--no-valgrind")
        $options["valgrind"] = false;
    elseif ($arg === "--keep")
        $options["keep"] = true;
    elseif ($arg === "--constructs")
        $options["constructs"] = explode(",", $argv[++$i] ?? "");
    else
        $velp = $arg;
}
$velp = realpath($velp);
if ($velp === false || !is_executable($velp)) {
    fwrite(STDERR, "velp not found; build it first (make velp) or name it\n");
    exit(2);
}
$timeTool = "/usr/bin/time";
if (!is_executable($timeTool)) {
    fwrite(STDERR, "the benchmark needs GNU time (/usr/bin/time; make setup installs it)\n");
    exit(2);
}

// --- Running and timing -------------------------------------------------

// Runs argv in $dir with its output discarded and returns its wall seconds
// and the peak resident memory in KiB of the finished process, as GNU time
// reports it from the kernel's accounting (its own seconds are counted in
// hundredths, too coarse for a short run).
function run(string $dir, array $argv, array $env = []): array {
    global $timeTool;
    $report = tempnam(sys_get_temp_dir(), "velp-bench-time");
    $start = hrtime(true);
    $process = proc_open(array_merge([$timeTool, "-f", "%U %S %M %x", "-o", $report], $argv),
                         [1 => ["file", "/dev/null", "w"], 2 => ["file", "/dev/null", "w"]],
                         $pipes, $dir, $env ?: null);
    proc_close($process);
    $wall = (hrtime(true) - $start) / 1e9;
    $fields = preg_split('/\s+/', trim((string)file_get_contents($report)));
    unlink($report);
    $last = array_slice($fields, -4);
    return ["time" => $wall, "peak" => (int)$last[2],
            "status" => (int)$last[3]];
}

function median(array $values): float {
    sort($values);
    $n = count($values);
    return $n % 2 ? $values[intdiv($n, 2)] : ($values[$n / 2 - 1] + $values[$n / 2]) / 2;
}

// The commands of $set (name => [dir, argv]) run in turn, one after the
// other in every round, after one round not counted. Returns per name the
// median wall seconds and peak KiB, and per name the median of its
// round-by-round ratio to the first command.
function inTurn(array $set, int $runs): array {
    $times = $peaks = $ratios = [];
    for ($round = 0; $round <= $runs; $round++) {
        $this_ = [];
        foreach ($set as $name => [$dir, $argv])
            $this_[$name] = run($dir, $argv);
        if ($round === 0)
            continue;
        $first = array_key_first($set);
        foreach ($this_ as $name => $r) {
            $times[$name][] = $r["time"];
            $peaks[$name][] = $r["peak"];
            $ratios[$name][] = $this_[$first]["time"] / max($r["time"], 1e-6);
        }
    }
    $out = [];
    foreach ($set as $name => $_)
        $out[$name] = ["time" => median($times[$name]), "peak" => median($peaks[$name]),
                       "ratio" => median($ratios[$name])];
    return $out;
}

// --- The program ----------------------------------------------------------

// Blocks of statements over the names of set $k, one kind of construct
// each; "decl" lines declare the names and appear only the first time a set
// is used. Each kind is kept only if this velp translates it cleanly.
function kinds(): array {
    return [
        "declarations" => [
            "decl" => ["int a%k = %k", "int b%k = a%k * 3 + 7", "text t%k = \"item %k\"",
                       "real r%k = %k.5"],
            "body" => ["a%k = a%k + b%k * 2 - %k", "b%k = (a%k + b%k) * (b%k - 1) mod 1000",
                       "t%k = t%k + \" done\"", "r%k = r%k * 2.0 + a%k",
                       "a%k = a%k << 2 | b%k & 255", "print a%k, b%k", "print t%k",
                       "print \"line\", a%k + b%k * 2, r%k"],
        ],
        "comparisons" => [
            "decl" => ["boolean c%k = a%k < 500 and b%k > 10"],
            "body" => ["c%k = not (a%k = 3) or b%k >= a%k", "print c%k"],
        ],
        "constants" => [
            "decl" => ["const int K%k = %k * 2"],
            "body" => ["a%k = a%k + K%k"],
        ],
        "arrays" => [
            "decl" => ["int[] l%k = [1, 2, %k]", "dict d%k = {\"a\": %k, \"b\": 2}"],
            "body" => ["l%k[0] = a%k", "print l%k[1], l%k[0..1]", "print d%k[\"a\"]"],
        ],
        "conditions" => [
            "decl" => [],
            "body" => ["if a%k > 500", "    print a%k", "else", "    print b%k", "/if"],
        ],
        "loops" => [
            "decl" => ["int i%k = 0"],
            "body" => ["while i%k < 3", "    i%k = i%k + 1", "/while",
                       "for i%k in 1..3 print i%k"],
        ],
        "functions" => [
            "once" => ["int twice%k(int x)", "    int y = x * 2", "    return y + %k", ""],
            "decl" => [],
            "body" => ["a%k = twice%k(a%k) mod 1000"],
        ],
        "classes" => [
            "once" => ["class Box%k", "    int v", "    void Box%k(int start)", "        v = start",
                       "    return", "    int get() return v + %k", "/class"],
            "decl" => ["Box%k x%k = Box%k(%k)"],
            "body" => ["print x%k.get(), x%k.v"],
        ],
        "collections" => [
            "decl" => [],
            "body" => ["for i%k in l%k print i%k", "for i%k in 0 .. 2 step 1 print i%k"],
        ],
        "enums" => [
            "once" => ["enum E%k, F%k = %k, G%k"],
            "decl" => [],
            "body" => ["print E%k + F%k, G%k"],
        ],
        "xml" => [
            "decl" => ["<doc%k kind=\"memo\">\"x\"</doc%k>"],
            "body" => ["print doc%k[\"kind\"]"],
        ],
    ];
}

function fill(array $lines, int $k): array {
    return array_map(fn($l) => str_replace("%k", (string)$k, $l), $lines);
}

// A program of about $count lines over the given kinds, $names sets of
// names recurring.
function program(array $kinds, int $count, int $names): string {
    $out = [];
    for ($k = 0; count($out) < $count; $k++) {
        $set = $k % $names;
        foreach ($kinds as $kind) {
            if ($k < $names) {
                foreach (fill($kind["once"] ?? [], $set) as $l) $out[] = $l;
                foreach (fill($kind["decl"], $set) as $l) $out[] = $l;
            }
            foreach (fill($kind["body"], $set) as $l) $out[] = $l;
        }
    }
    return implode("\n", $out) . "\n";
}

// Whether velp compiles $source with no output and php -l takes its PHP.
function clean(string $velp, string $dir, string $source): bool {
    @mkdir($dir, 0777, true);
    file_put_contents("$dir/probe.vel", $source);
    @unlink("$dir/probe.php");
    exec("cd " . escapeshellarg($dir) . " && " . escapeshellarg($velp) . " -q -c probe 2>&1", $out, $code);
    if ($code !== 0 || $out || !is_file("$dir/probe.php"))
        return false;
    exec("php -l " . escapeshellarg("$dir/probe.php") . " 2>&1", $lint, $code);
    return $code === 0;
}

// The kinds this velp translates cleanly, each tried with the ones kept
// before it.
function usableKinds(string $velp, string $dir, ?array $only): array {
    $kept = [];
    foreach (kinds() as $name => $kind) {
        if ($only !== null && !in_array($name, $only, true))
            continue;
        $try = $kept + [$name => $kind];
        if (clean($velp, $dir, program($try, 200, 3)))
            $kept[$name] = $kind;
    }
    return $kept;
}

// --- The runs ---------------------------------------------------------------

$lines = $options["lines"];
$runs = $options["runs"];
$work = sys_get_temp_dir() . "/velp-bench-" . getmypid();
@mkdir($work, 0777, true);
$kinds = usableKinds($velp, "$work/probe", $options["constructs"]);
$cat = trim((string)shell_exec("command -v cat"));
$php = trim((string)shell_exec("command -v php"));

$uname = php_uname("s") . " " . php_uname("r") . " " . php_uname("m");
$cpu = trim((string)shell_exec("grep -m1 'model name' /proc/cpuinfo | cut -d: -f2"));
printf("velp benchmark (%s; %s, %d processors; %d timed rounds, medians)\n",
       $velp, $cpu ?: $uname, (int)trim((string)shell_exec("nproc")), $runs);
printf("constructs: %s\n\n", implode(", ", array_keys($kinds)));

function row(string $what, string $figure, string $target = "") {
    printf("  %-44s %16s   %s\n", $what, $figure, $target);
}

function mib(float $kib): string {
    return sprintf("%.1f MiB", $kib / 1024);
}

// The program in one file.
$one = "$work/one";
@mkdir($one);
file_put_contents("$one/main.vel", program($kinds, $lines, 1000));
$bytes = filesize("$one/main.vel");
run($one, [$velp, "-q", "-c", "main"]);
$turn = inTurn([
    "velp" => [$one, [$velp, "-q", "-c", "main"]],
    "lint" => [$one, [$php, "-l", "main.php"]],
    "cat" => [$one, [$cat, "main.vel"]],
], $runs);
printf("program: %d lines, %d KiB, one file\n", $lines, intdiv($bytes, 1024));
row("velp -q -c, time", sprintf("%.3f s", $turn["velp"]["time"]));
row("php -l on its output, time", sprintf("%.3f s", $turn["lint"]["time"]));
row("velp / php -l", sprintf("%.2f", $turn["lint"]["ratio"]), "target at most 0.25");
row("velp / cat of the source", sprintf("%.1f", $turn["cat"]["ratio"]));
row("velp peak memory", mib($turn["velp"]["peak"]), "target under 16 MiB");

$small = "$work/small";
@mkdir($small);
file_put_contents("$small/main.vel", program($kinds, intdiv($lines, 10), 1000));
$smallPeak = median(array_map(fn() => run($small, [$velp, "-q", "-c", "main"])["peak"], range(0, $runs)));
row(sprintf("velp peak memory at %d lines", intdiv($lines, 10)), mib($smallPeak),
    sprintf("flat: %.2f of it at full length", $turn["velp"]["peak"] / max($smallPeak, 1)));

if ($options["valgrind"] && trim((string)shell_exec("command -v valgrind"))) {
    $log = "$work/callgrind.log";
    exec("cd " . escapeshellarg($one) . " && valgrind --tool=callgrind --callgrind-out-file=/dev/null "
         . "--log-file=" . escapeshellarg($log) . " " . escapeshellarg($velp) . " -q -c main >/dev/null 2>&1");
    if (preg_match('/Collected : (\d+)/', (string)@file_get_contents($log), $m))
        row("instructions per input byte", sprintf("%.0f", $m[1] / $bytes), "target at most 300");
}

// Nesting: parentheses around one text chain of `terms` terms.
function nesting(string $dir, int $depth, int $terms): void {
    @mkdir($dir);
    $chain = implode(" + ", array_fill(0, $terms, "\"ab\""));
    file_put_contents("$dir/main.vel", "print " . str_repeat("(", $depth) . $chain . str_repeat(")", $depth) . "\n");
}
nesting("$work/deep", 1900, 25000);
nesting("$work/half", 950, 12500);
$turn = inTurn([
    "deep" => ["$work/deep", [$velp, "-q", "-c", "main"]],
    "half" => ["$work/half", [$velp, "-q", "-c", "main"]],
], $runs);
printf("\nnesting: 1900 parentheses around a 25000-term text chain (%d KiB)\n",
       intdiv(filesize("$work/deep/main.vel"), 1024));
row("velp -q -c, time", sprintf("%.3f s", $turn["deep"]["time"]), "target at most 0.1 s");
row("velp peak memory", mib($turn["deep"]["peak"]), "target at most 32 MiB");
row("against half the depth and length, time", sprintf("%.2f", $turn["half"]["ratio"]), "linear: about 2");
row("half the depth and length, peak memory", mib($turn["half"]["peak"]));

// Names: distinct declarations against recurring names, and undeclared
// names reported.
function names(string $dir, int $count, callable $line): void {
    @mkdir($dir);
    $out = [];
    for ($i = 0; $i < $count; $i++)
        $out[] = $line($i);
    file_put_contents("$dir/main.vel", implode("\n", $out) . "\n");
}
names("$work/distinct", $lines, fn($i) => "int d$i = $i");
names("$work/recurring", $lines, fn($i) => $i < 1000 ? "int d$i = $i" : "d" . ($i % 1000) . " = $i");
$undeclared = intdiv($lines * 4, 5);
names("$work/undeclared", $undeclared, fn($i) => "print u$i");
names("$work/same", $undeclared, fn($i) => "print u");
$turn = inTurn([
    "distinct" => ["$work/distinct", [$velp, "-q", "-c", "main"]],
    "recurring" => ["$work/recurring", [$velp, "-q", "-c", "main"]],
    "undeclared" => ["$work/undeclared", [$velp, "-q", "-c", "main"]],
    "same" => ["$work/same", [$velp, "-q", "-c", "main"]],
], $runs);
printf("\nnames\n");
row("$lines distinct declarations, time", sprintf("%.3f s", $turn["distinct"]["time"]));
row("against $lines lines over 1000 names", sprintf("%.2f", $turn["recurring"]["ratio"]), "target at most 1.2");
row("distinct declarations, peak memory", mib($turn["distinct"]["peak"]), "target under 20 MiB");
row("$undeclared distinct undeclared names, time", sprintf("%.3f s", $turn["undeclared"]["time"]));
row("against one undeclared name", sprintf("%.2f", $turn["undeclared"]["time"] / max($turn["same"]["time"], 1e-6)),
    "target at most 2");

// The program split over included files, and a run with nothing to do.
$split = "$work/split";
@mkdir($split);
$includes = "";
$parts = 100;
for ($p = 0; $p < $parts; $p++) {
    $name = sprintf("part%03d.vel", $p);
    $part = program($kinds, intdiv($lines, $parts), 10);
    // Names of their own in each part.
    file_put_contents("$split/$name", preg_replace('/\b(a|b|t|r|c|K|l|d|i|twice|Box|x|E|F|G|doc)(\d+)\b/', "\${1}p{$p}_\$2", $part));
    $includes .= "include \"$name\"\n";
}
file_put_contents("$split/main.vel", $includes . "print \"done\"\n");
$compile = median(array_map(fn() => run($split, [$velp, "-q", "-c", "main"])["time"], range(0, $runs)));
$lint = 0.0;
foreach (glob("$split/*.php") as $file)
    $lint += run($split, [$php, "-l", basename($file)])["time"];
printf("\nsplit over %d included files\n", $parts);
row("velp -q -c, time", sprintf("%.3f s", $compile));
row("php -l on each output file, time", sprintf("%.3f s", $lint));
// Every target newer than its source: velp has nothing to compile, and a php
// that does nothing stands in for the run.
foreach (glob("$split/*.php") as $file)
    touch($file, time() + 5);
@mkdir("$work/bin");
file_put_contents("$work/bin/php", "#!/bin/sh\nexit 0\n");
chmod("$work/bin/php", 0755);
$again = median(array_map(fn() => run($split, [$velp, "-q", "main"],
                                      ["PATH" => "$work/bin:" . getenv("PATH")])["time"], range(0, $runs)));
row("nothing out of date, time", sprintf("%.3f s", $again));

if ($options["keep"])
    printf("\nfiles kept in %s\n", $work);
else
    exec("rm -rf " . escapeshellarg($work));
