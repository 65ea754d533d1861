<?php
// Compile-speed benchmark of velp: generates a large Velandro program, once as
// one file and once split over included files, compiles it with
// `velp -q -c`, checks the PHP it wrote with `php -l`, and prints the times
// side by side, velp's peak memory, and the time of a second run with
// nothing out of date.
//
//   php bench/bench.php [path/to/velp] [lines]
//
// Defaults: build/velp and 100000 lines. Work files go to a temporary folder.

$root = dirname(__DIR__);
$velp = realpath($argv[1] ?? "$root/build/velp");
$lines = (int)($argv[2] ?? 100000);
$parts = 100;
if ($velp === false || !is_executable($velp)) {
    fwrite(STDERR, "velp not found; build it first (make build) or name it\n");
    exit(2);
}

// One block of statements over the variables of block $k of file $f: a
// declaration of each kind, assignments with arithmetic, and prints.
function block(string $f, int $k): array {
    $a = "a{$f}_$k"; $b = "b{$f}_$k"; $t = "t{$f}_$k";
    return [
        "int $a = $k",
        "int $b = $a * 3 + 7",
        "text $t = \"item $k\"",
        "$a = $a + $b * 2 - $k",
        "$b = ($a + $b) * ($b - 1) mod 1000",
        "$t = $t + \" done\"",
        "print $a, $b",
        "print $t",
        "$a = $a mod 7 + $b",
        "print \"line\", $a + $b * 2",
    ];
}

// The body of one file: `$count` lines, the blocks cycling over 1000
// variable sets so that the symbols stay bounded as the file grows.
function body(string $f, int $count): string {
    $out = [];
    $k = 0;
    while (count($out) < $count) {
        foreach (block($f, $k % 1000) as $i => $line) {
            // Declarations only the first time a variable set is used.
            if ($k >= 1000 && $i < 3)
                $line = preg_replace('/^(int|text) /', '', $line);
            $out[] = $line;
        }
        $k++;
    }
    return implode("\n", array_slice($out, 0, $count)) . "\n";
}

function generate(string $dir, int $lines, int $parts): void {
    @mkdir("$dir/one", 0777, true);
    @mkdir("$dir/split", 0777, true);
    file_put_contents("$dir/one/main.vel", body("m", $lines));
    $includes = "";
    for ($p = 0; $p < $parts; $p++) {
        $name = sprintf("part%03d.vel", $p);
        file_put_contents("$dir/split/$name", body("p$p", intdiv($lines, $parts)));
        $includes .= "include \"$name\"\n";
    }
    file_put_contents("$dir/split/main.vel", $includes . "print \"done\"\n");
}

// Wall time in seconds of a command run in $dir, its output discarded.
function timed(string $dir, string $command, array $env = []): float {
    $start = hrtime(true);
    $process = proc_open($command, [1 => ["file", "/dev/null", "w"], 2 => ["file", "/dev/null", "w"]],
                         $pipes, $dir, $env ?: null);
    proc_close($process);
    return (hrtime(true) - $start) / 1e9;
}

// Peak resident memory in KiB of a command, measured in a fresh PHP process
// whose only child it is.
function peakKiB(string $dir, string $command): int {
    $probe = 'passthru($argv[1] . " >/dev/null 2>&1"); echo getrusage(1)["ru_maxrss"];';
    $out = shell_exec("cd " . escapeshellarg($dir) . " && php -r " . escapeshellarg($probe) .
                      " " . escapeshellarg($command));
    return (int)$out;
}

function lintAll(string $dir): float {
    $total = 0.0;
    foreach (glob("$dir/*.php") as $file)
        $total += timed($dir, "php -l " . escapeshellarg(basename($file)));
    return $total;
}

$work = sys_get_temp_dir() . "/velp-bench-" . getmypid();
generate($work, $lines, $parts);
// A php that does nothing, so that the up-to-date run measures velp alone.
@mkdir("$work/bin");
file_put_contents("$work/bin/php", "#!/bin/sh\nexit 0\n");
chmod("$work/bin/php", 0755);
$quietPath = ["PATH" => "$work/bin:" . getenv("PATH")];

$cmd = escapeshellarg($velp) . " -q -c main";
printf("velp benchmark: %d lines (%s)\n", $lines, $velp);
printf("%-26s %10s %10s %7s %10s\n", "", "velp -q -c", "php -l", "ratio", "peak KiB");
foreach (["one" => "one file", "split" => "$parts included files"] as $sub => $label) {
    $dir = "$work/$sub";
    $compile = timed($dir, $cmd);
    $lint = lintAll($dir);
    $peak = peakKiB($dir, $cmd);
    printf("%-26s %9.3fs %9.3fs %7.2f %10d\n", $label, $compile, $lint, $compile / $lint, $peak);
    if ($sub === "split") {
        $again = timed($dir, escapeshellarg($velp) . " -q main", $quietPath);
        printf("%-26s %9.3fs (%.3f of the compile)\n", "nothing out of date", $again, $again / $compile);
    }
}

// Memory against length: a tenth of the program in one file.
$small = "$work/small";
@mkdir($small);
file_put_contents("$small/main.vel", body("m", intdiv($lines, 10)));
printf("%-26s %10d KiB at %d lines\n", "peak, a tenth as long", peakKiB($small, $cmd), intdiv($lines, 10));

exec("rm -rf " . escapeshellarg($work));
