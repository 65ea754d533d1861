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
// declaration of each kind, assignments with arithmetic, and prints. Without
// variables (a velp that does not translate declarations yet), prints of the
// same expressions over literals.
function block(string $f, int $k, bool $variables): array {
    if (!$variables) {
        return [
            "print $k * 3 + 7, \"item $k\"",
            "print ($k + 1) * ($k - 2) mod 1000 - $k",
            "print \"item $k\" + \" done\"",
            "print $k << 2 | 1, $k & 255",
            "print $k < 500 and $k > 10 or not ($k = 3)",
        ];
    }
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
function body(string $f, int $count, bool $variables): string {
    $out = [];
    $k = 0;
    while (count($out) < $count) {
        foreach (block($f, $k % 1000, $variables) as $i => $line) {
            // Declarations only the first time a variable set is used.
            if ($k >= 1000 && $i < 3 && $variables)
                $line = preg_replace('/^(int|text) /', '', $line);
            $out[] = $line;
        }
        $k++;
    }
    return implode("\n", array_slice($out, 0, $count)) . "\n";
}

// Whether this velp translates declarations and assignments without error.
function hasVariables(string $velp, string $dir): bool {
    @mkdir($dir, 0777, true);
    file_put_contents("$dir/probe.vel", "int x = 1\nx = x + 1\nprint x\n");
    exec("cd " . escapeshellarg($dir) . " && " . escapeshellarg($velp) . " -q -c probe 2>&1", $out, $code);
    return $code === 0 && !$out;
}

function generate(string $dir, int $lines, int $parts, bool $variables): void {
    @mkdir("$dir/one", 0777, true);
    @mkdir("$dir/split", 0777, true);
    file_put_contents("$dir/one/main.vel", body("m", $lines, $variables));
    $includes = "";
    for ($p = 0; $p < $parts; $p++) {
        $name = sprintf("part%03d.vel", $p);
        file_put_contents("$dir/split/$name", body("p$p", intdiv($lines, $parts), $variables));
        $includes .= "include \"$name\"\n";
    }
    file_put_contents("$dir/split/main.vel", $includes . "print \"done\"\n");
}

// Runs argv in $dir with its output discarded; returns [wall seconds, peak
// resident KiB]. The peak is the kernel's high-water mark of the process,
// read while it runs.
function measure(string $dir, array $argv, array $env = []): array {
    $start = hrtime(true);
    $process = proc_open($argv, [1 => ["file", "/dev/null", "w"], 2 => ["file", "/dev/null", "w"]],
                         $pipes, $dir, $env ?: null);
    $pid = proc_get_status($process)["pid"];
    // Until the exec the child is a copy of this PHP process: skip it.
    $name = substr(basename($argv[0]), 0, 15);
    $peak = 0;
    while (proc_get_status($process)["running"]) {
        $status = @file_get_contents("/proc/$pid/status");
        if ($status && preg_match('/^Name:\s+(.*)$/m', $status, $n) && $n[1] === $name
                && preg_match('/^VmHWM:\s+(\d+)/m', $status, $m))
            $peak = max($peak, (int)$m[1]);
        usleep(1000);
    }
    proc_close($process);
    return [(hrtime(true) - $start) / 1e9, $peak];
}

// php -l on every PHP file of $dir, one process each (php 8.2 checks one
// file per run); the total wall time.
function lintAll(string $dir): float {
    $total = 0.0;
    foreach (glob("$dir/*.php") as $file)
        $total += measure($dir, ["php", "-l", basename($file)])[0];
    return $total;
}

$work = sys_get_temp_dir() . "/velp-bench-" . getmypid();
$variables = hasVariables($velp, "$work/probe");
generate($work, $lines, $parts, $variables);
// A php that does nothing, so that the up-to-date run measures velp alone.
@mkdir("$work/bin");
file_put_contents("$work/bin/php", "#!/bin/sh\nexit 0\n");
chmod("$work/bin/php", 0755);
$quietPath = ["PATH" => "$work/bin:" . getenv("PATH")];

$compileArgs = [$velp, "-q", "-c", "main"];
printf("velp benchmark: %d lines of %s (%s)\n", $lines,
       $variables ? "declarations, assignments and prints" : "prints of expressions", $velp);
printf("%-26s %10s %10s %7s %10s\n", "", "velp -q -c", "php -l", "ratio", "peak KiB");
foreach (["one" => "one file", "split" => "$parts included files"] as $sub => $label) {
    $dir = "$work/$sub";
    [$compile, $peak] = measure($dir, $compileArgs);
    $lint = lintAll($dir);
    printf("%-26s %9.3fs %9.3fs %7.2f %10d\n", $label, $compile, $lint, $compile / $lint, $peak);
    if ($sub === "split") {
        // Every target newer than its source, whatever the compile reported.
        foreach (glob("$dir/*.php") as $file)
            touch($file, time() + 5);
        [$again] = measure($dir, [$velp, "-q", "main"], $quietPath);
        printf("%-26s %9.3fs (%.3f of the compile)\n", "nothing out of date", $again, $again / $compile);
    }
}

// Memory against length: a tenth of the program in one file.
$small = "$work/small";
@mkdir($small);
file_put_contents("$small/main.vel", body("m", intdiv($lines, 10), $variables));
printf("%-26s %10d KiB at %d lines\n", "peak, a tenth as long", measure($small, $compileArgs)[1],
       intdiv($lines, 10));

exec("rm -rf " . escapeshellarg($work));
