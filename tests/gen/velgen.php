<?php
// Random well-typed Velandro programs, compiled by velp and checked: every
// program velp compiles without a diagnostic must pass "php -l" and run under
// error_reporting=-1 with no warning, notice, deprecation or error. A program
// found broken is kept in the folder given by --keep.
//
//   php tests/gen/velgen.php [--velp build/velp] [--seed N] [--count N]
//                            [--keep DIR] [--print]
// --print writes one program (of --seed) to standard output and checks nothing.
// The exit code is 1 when a program failed a check.

$options = getopt('', ['velp:', 'seed:', 'count:', 'keep:', 'print']);
$velp = realpath($options['velp'] ?? (__DIR__ . '/../../build/velp'));
$seed = (int)($options['seed'] ?? 1);
$count = (int)($options['count'] ?? 100);
$keep = $options['keep'] ?? null;

// The values of a program: each variable with its type, and for integers a
// bound on the magnitude, for arrays their length, so that every index stays
// in range and no product leaves the 64-bit integers.
final class Program
{
    public array $vars = [];     // name => ['type' => t, 'bound' => b, 'length' => n]
    public array $functions = [];  // name => [parameter count, bound of the result per bound of the arguments]
    public array $classes = [];    // name => [attribute names, method names]
    public array $lines = [];
    public string $indent = '';
    public int $blockDepth = 0;
    public array $loopVars = [];   // the variables of the loops around
    private int $next = 0;

    public function fresh(string $prefix): string
    {
        return $prefix . ($this->next++);
    }

    public function named(string $type): array
    {
        $names = [];
        foreach ($this->vars as $name => $v)
            if ($v['type'] === $type)
                $names[] = $name;
        return $names;
    }
}

function pick(array $items)
{
    return $items[mt_rand(0, count($items) - 1)];
}

function chance(int $percent): bool
{
    return mt_rand(1, 100) <= $percent;
}

const BOUND = 1000000000;   // magnitudes kept well inside 64 bits

// An integer expression and a bound on its magnitude.
function intExpr(Program $p, int $depth): array
{
    $vars = $p->named('int');
    $arrays = array_filter($p->named('int[]'), fn($a) => $p->vars[$a]['length'] > 0);
    $choice = $depth <= 0 ? mt_rand(0, 2) : mt_rand(0, 12);
    switch ($choice) {
    case 0:
        $n = mt_rand(0, 100);
        return [(string)$n, $n];
    case 1:
        if ($vars) {
            $v = pick($vars);
            return [$v, $p->vars[$v]['bound']];
        }
        return [(string)mt_rand(1, 9), 9];
    case 2:
        $objects = $p->named('object');
        if ($objects && chance(50)) {
            // an attribute, or a method of one integer: attributes stay small
            $o = pick($objects);
            [$attributes, $methods] = $p->classes[$p->vars[$o]['class']];
            if ($depth > 0 && chance(50)) {
                [$e, $b] = intExpr($p, $depth - 1);
                return ["$o." . pick($methods) . "($e)", $b + 1000];
            }
            return ["$o." . pick($attributes), 1000];
        }
        if ($arrays) {
            $a = pick(array_values($arrays));
            return [$a . '[' . mt_rand(0, $p->vars[$a]['length'] - 1) . ']', $p->vars[$a]['bound']];
        }
        return ['zero', 0];
    case 3:
    case 4:
        [$l, $lb] = intExpr($p, $depth - 1);
        [$r, $rb] = intExpr($p, $depth - 1);
        $op = pick(['+', '-']);
        return ["($l $op $r)", $lb + $rb];
    case 5:
        [$l, $lb] = intExpr($p, $depth - 1);
        $k = mt_rand(0, 9);
        return ["($l * $k)", $lb * $k];
    case 6:
        [$l, $lb] = intExpr($p, $depth - 1);
        return ["($l mod " . mt_rand(1, 9) . ")", $lb];
    case 7:
        [$l, $lb] = intExpr($p, $depth - 1);
        $k = mt_rand(0, 3);
        return ["($l " . pick(['<<', '>>']) . " $k)", $lb << $k];
    case 8:
        [$l, $lb] = intExpr($p, $depth - 1);
        [$r, $rb] = intExpr($p, $depth - 1);
        return ["($l " . pick(['&', '|', '^']) . " $r)", max($lb, $rb) * 2 + 1];
    case 9:
        [$l, $lb] = intExpr($p, $depth - 1);
        return [pick(['-', '~ ']) . "($l)", $lb + 1];
    case 10:
        [$l, $lb] = intExpr($p, $depth - 1);
        return ["($l)", $lb];
    case 11:
        if ($p->functions && chance(60)) {
            $f = pick(array_keys($p->functions));
            [$arity, $factor] = $p->functions[$f];
            $arguments = [];
            $bound = 0;
            for ($i = 0; $i < $arity; ++$i) {
                [$e, $b] = intExpr($p, $depth - 1);
                $arguments[] = $e;
                $bound = max($bound, $b);
            }
            return ["$f(" . implode(', ', $arguments) . ")", ($bound + 1) * $factor];
        }
        $n = mt_rand(0, 999);
        return ["int(\"$n\")", $n];
    default:
        [$r, $rb] = realExpr($p, $depth - 1);
        return ["int($r)", (int)min($rb + 1, PHP_INT_MAX)];
    }
}

// A real expression and a bound on its magnitude.
function realExpr(Program $p, int $depth): array
{
    $vars = $p->named('real');
    $choice = $depth <= 0 ? mt_rand(0, 1) : mt_rand(0, 6);
    switch ($choice) {
    case 0:
        $n = mt_rand(0, 99) . '.' . mt_rand(0, 9);
        return [$n, 100];
    case 1:
        if ($vars) {
            $v = pick($vars);
            return [$v, $p->vars[$v]['bound']];
        }
        return ['0.5', 1];
    case 2:
    case 3:
        [$l, $lb] = realExpr($p, $depth - 1);
        [$r, $rb] = chance(50) ? realExpr($p, $depth - 1) : intExpr($p, $depth - 1);
        return ["($l " . pick(['+', '-']) . " $r)", $lb + $rb];
    case 4:
        [$l, $lb] = realExpr($p, $depth - 1);
        $k = mt_rand(1, 9);
        return ["($l " . pick(['*', '/']) . " $k)", $lb * $k];
    case 5:
        [$l, $lb] = intExpr($p, $depth - 1);
        return ["real($l)", $lb];
    default:
        [$l, $lb] = realExpr($p, $depth - 1);
        return ["($l)", $lb];
    }
}

function textExpr(Program $p, int $depth): string
{
    $vars = $p->named('text');
    $arrays = array_filter($p->named('text[]'), fn($a) => $p->vars[$a]['length'] > 0);
    $choice = $depth <= 0 ? mt_rand(0, 1) : mt_rand(0, 6);
    switch ($choice) {
    case 0:
        $named = array_merge($vars, $p->named('int'));
        if ($named && chance(10))
            // a name in a template reads as in an expression
            return '`' . pick(['is ', '']) . '$' . pick($named) . pick(['!', ' and', '']) . '`';
        if (chance(15))
            return '`' . pick(['t', 'two words', '']) . '`';
        return '"' . pick(['a', 'bc', 'xyz', 'hello', '', '1', 'k l']) . '"';
    case 1:
        return $vars ? pick($vars) : '"v"';
    case 2:
    case 3:
        return '(' . textExpr($p, $depth - 1) . ' + ' . textExpr($p, $depth - 1) . ')';
    case 4:
        if (chance(30))
            return 'text(' . realExpr($p, $depth - 1)[0] . ')';
        return 'text(' . intExpr($p, $depth - 1)[0] . ')';
    case 5:
        if ($arrays) {
            $a = pick(array_values($arrays));
            return $a . '[' . mt_rand(0, $p->vars[$a]['length'] - 1) . ']';
        }
        return '"w"';
    default:
        // a slice stands after a name only
        if (!$vars)
            return '"abcdef"';
        $t = pick($vars);
        $i = mt_rand(0, 3);
        return $t . '[' . $i . '..' . ($i + mt_rand(0, 3)) . ']';
    }
}

function boolExpr(Program $p, int $depth): string
{
    $vars = $p->named('boolean');
    $choice = $depth <= 0 ? mt_rand(0, 1) : mt_rand(0, 7);
    switch ($choice) {
    case 0:
        return pick(['true', 'false']);
    case 1:
        return $vars ? pick($vars) : 'true';
    case 2:
        return intExpr($p, $depth - 1)[0] . ' ' . pick(['=', '!=', '<>', '<', '>', '<=', '>=']) . ' '
            . intExpr($p, $depth - 1)[0];
    case 3:
        return textExpr($p, $depth - 1) . ' ' . pick(['=', '!=']) . ' ' . textExpr($p, $depth - 1);
    case 4:
        return '(' . boolExpr($p, $depth - 1) . ' ' . pick(['and', 'or']) . ' ' . boolExpr($p, $depth - 1) . ')';
    case 5:
        if (chance(30))
            // booleans compare by value
            return '(' . boolExpr($p, $depth - 1) . ') ' . pick(['=', '!=']) . ' (' . boolExpr($p, $depth - 1) . ')';
        return 'not (' . boolExpr($p, $depth - 1) . ')';
    case 6:
        if (chance(50))
            return intExpr($p, $depth - 1)[0] . ' in [' . mt_rand(0, 5) . ', ' . mt_rand(0, 9) . ']';
        return intExpr($p, $depth - 1)[0] . ' in ' . mt_rand(0, 5) . ' .. ' . mt_rand(5, 50);
    default:
        return realExpr($p, $depth - 1)[0] . ' ' . pick(['<', '>', '<=', '>=', '=', '!=']) . ' '
            . (chance(30) ? intExpr($p, $depth - 1)[0] : realExpr($p, $depth - 1)[0]);
    }
}

// A list literal of a typed array: its text, its length, its bound.
function intList(Program $p, int $depth): array
{
    $n = mt_rand(0, 4);
    $items = [];
    $bound = 0;
    for ($i = 0; $i < $n; ++$i) {
        [$e, $b] = intExpr($p, $depth);
        $items[] = $e;
        $bound = max($bound, $b);
    }
    return ['[' . implode(', ', $items) . ']', $n, $bound];
}

function textList(Program $p, int $depth): array
{
    $n = mt_rand(0, 4);
    $items = [];
    for ($i = 0; $i < $n; ++$i)
        $items[] = textExpr($p, $depth);
    return ['[' . implode(', ', $items) . ']', $n];
}

function declaration(Program $p): void
{
    $type = pick(['int', 'int', 'real', 'text', 'text', 'boolean', 'int[]', 'text[]', 'var', 'dict',
                  'natural', 'number']);
    $depth = mt_rand(0, 3);
    $name = $p->fresh(pick(['a', 'b', 'n', 'v', 'x']));
    switch ($type) {
    case 'int':
        [$e, $b] = intExpr($p, $depth);
        if ($b > BOUND)
            return;
        $p->lines[] = "int $name = $e";
        $p->vars[$name] = ['type' => 'int', 'bound' => $b];
        return;
    case 'real':
        [$e, $b] = realExpr($p, $depth);
        if ($b > BOUND)
            return;
        $p->lines[] = "real $name = $e";
        $p->vars[$name] = ['type' => 'real', 'bound' => $b];
        return;
    case 'natural':
        $p->lines[] = "natural $name = " . mt_rand(0, 99) . 'n';
        $p->vars[$name] = ['type' => 'natural'];
        return;
    case 'number':
        [$e, $b] = chance(50) ? intExpr($p, $depth) : realExpr($p, $depth);
        if ($b > BOUND)
            return;
        $p->lines[] = "number $name = $e";
        $p->vars[$name] = ['type' => 'number'];
        return;
    case 'text':
        $p->lines[] = "text $name = " . textExpr($p, $depth);
        $p->vars[$name] = ['type' => 'text'];
        return;
    case 'boolean':
        $p->lines[] = "boolean $name = " . boolExpr($p, $depth);
        $p->vars[$name] = ['type' => 'boolean'];
        return;
    case 'int[]':
        [$e, $n, $b] = intList($p, $depth);
        if ($b > BOUND)
            return;
        $p->lines[] = "int[] $name = $e";
        $p->vars[$name] = ['type' => 'int[]', 'length' => $n, 'bound' => $b];
        return;
    case 'text[]':
        [$e, $n] = textList($p, $depth);
        $p->lines[] = "text[] $name = $e";
        $p->vars[$name] = ['type' => 'text[]', 'length' => $n];
        return;
    case 'dict':
        $p->lines[] = "dict $name = {\"k\": " . intExpr($p, 1)[0] . ", \"t\": " . textExpr($p, 1) . "}";
        $p->vars[$name] = ['type' => 'dict'];
        return;
    default:
        $p->lines[] = "var $name = " . (chance(50) ? intExpr($p, $depth)[0] : textExpr($p, $depth));
        $p->vars[$name] = ['type' => 'var'];
        return;
    }
}

function assign(Program $p): void
{
    $ints = $p->named('int');
    $texts = $p->named('text');
    if ($ints && chance(60)) {
        $v = pick($ints);
        if (chance(50)) {
            [$e, $b] = intExpr($p, mt_rand(0, 3));
            if ($b > BOUND)
                return;
            $p->lines[] = $p->indent . "$v = $e";
            $p->vars[$v]['bound'] = max($b, $p->vars[$v]['bound']);
        } else {
            // the compound form: "x + 1" adds 1 to x; "x / 2" and a real
            // operand keep x an integer
            $op = pick(['+', '-', '|', '&', '^', '/', 'r']);
            if ($op === '/') {
                $p->lines[] = $p->indent . "$v / " . mt_rand(1, 9);
                return;
            }
            if ($op === 'r') {
                $op = pick(['+', '-']);
                [$e, $b] = realExpr($p, 1);
            } else {
                [$e, $b] = intExpr($p, 1);
            }
            $bound = $p->vars[$v]['bound'] * 2 + $b + 1;
            if ($bound > BOUND)
                return;
            $p->lines[] = $p->indent . "$v $op $e";
            $p->vars[$v]['bound'] = $bound;
        }
        return;
    }
    if ($texts) {
        $v = pick($texts);
        $p->lines[] = $p->indent . (chance(50) ? "$v = " . textExpr($p, 2) : "$v + " . textExpr($p, 1));
    }
}

function printStatement(Program $p): void
{
    $items = [];
    $n = mt_rand(1, 3);
    for ($i = 0; $i < $n; ++$i) {
        switch (mt_rand(0, 4)) {
        case 0:
            $items[] = intExpr($p, mt_rand(0, 3))[0];
            break;
        case 1:
            $items[] = textExpr($p, mt_rand(0, 2));
            break;
        case 2:
            $items[] = boolExpr($p, mt_rand(0, 2));
            break;
        case 3:
            $items[] = realExpr($p, mt_rand(0, 2))[0];
            break;
        default:
            $arrays = $p->named('int[]');
            $dicts = $p->named('dict');
            if ($arrays && chance(30)) {
                $a = pick($arrays);
                $i = mt_rand(0, 2);
                $items[] = $a . '[' . $i . '..' . ($i + mt_rand(0, 2)) . ']';
            } elseif ($dicts && chance(30)) {
                $items[] = pick($dicts) . '["' . pick(['k', 't']) . '"]';
            } else {
                $names = array_keys(array_filter($p->vars, fn($v) => $v['type'] !== 'object'));
                $items[] = $names ? pick($names) : '1';
            }
        }
    }
    $p->lines[] = $p->indent . 'print ' . implode(', ', $items);
}

// A one-line function of integers: "int f(int a, int b) return ...".
function functionDefinition(Program $p): void
{
    $name = $p->fresh('f');
    $arity = mt_rand(1, 3);
    $parameters = [];
    $outer = $p->vars;
    $p->vars = [];
    for ($i = 0; $i < $arity; ++$i) {
        $parameter = "p$i";
        $parameters[] = "int $parameter";
        $p->vars[$parameter] = ['type' => 'int', 'bound' => 1];
    }
    [$body, $factor] = intExpr($p, 2);
    $p->vars = $outer;
    if ($factor > 1000)
        return;
    $p->lines[] = "int $name(" . implode(', ', $parameters) . ") return $body";
    $p->functions[$name] = [$arity, max(1, $factor)];
}

// A class of integer attributes, and methods of one integer that read them.
function classDefinition(Program $p): void
{
    $name = $p->fresh('C');
    $attributes = [];
    $methods = [];
    $p->lines[] = "class $name";
    for ($i = 0, $n = mt_rand(1, 3); $i < $n; ++$i) {
        $attribute = "m$i";
        $attributes[] = $attribute;
        $p->lines[] = "   int $attribute = " . mt_rand(0, 99);
    }
    for ($i = 0, $n = mt_rand(1, 2); $i < $n; ++$i) {
        $method = "get$i";
        $methods[] = $method;
        $p->lines[] = "   int $method(int q) return q " . pick(['+', '-', '^', '|']) . ' ' . pick($attributes);
    }
    $p->lines[] = '/class';
    $p->classes[$name] = [$attributes, $methods];
}

function objectDeclaration(Program $p): void
{
    if (!$p->classes)
        return;
    $class = pick(array_keys($p->classes));
    $name = $p->fresh('o');
    $p->lines[] = "$class $name";
    $p->vars[$name] = ['type' => 'object', 'class' => $class];
}

function objectAssignment(Program $p): void
{
    $objects = $p->named('object');
    if (!$objects)
        return;
    $o = pick($objects);
    $attribute = pick($p->classes[$p->vars[$o]['class']][0]);
    $p->lines[] = $p->indent . "$o.$attribute = " . mt_rand(0, 999);
}

// Statements inside a block: prints, and in an "if" assignments too (they
// run once); no declarations, which would belong to the block alone.
function blockBody(Program $p, bool $loop): void
{
    $p->indent .= '   ';
    ++$p->blockDepth;
    $n = mt_rand(1, 3);
    for ($i = 0; $i < $n; ++$i) {
        $k = mt_rand(0, 9);
        if ($k < 2 && $p->blockDepth < 3)
            block($p, $loop);
        elseif ($k < 4 && !$loop)
            assign($p);
        else
            printStatement($p);
    }
    --$p->blockDepth;
    $p->indent = substr($p->indent, 3);
}

function block(Program $p, bool $inLoop = false): void
{
    $ints = array_values(array_diff($p->named('int'), $p->loopVars));
    if (chance(60) || !$ints) {
        $p->lines[] = $p->indent . 'if ' . boolExpr($p, 2);
        blockBody($p, $inLoop);
        if (chance(40)) {
            $p->lines[] = $p->indent . 'else';
            blockBody($p, $inLoop);
        }
        $p->lines[] = $p->indent . '/if';
        return;
    }
    // the loop variable is not assigned in the body (no assignment there)
    $i = pick($ints);
    $from = mt_rand(0, 3);
    if (chance(25)) {
        // a step that is no constant: its sign gives the direction
        $step = $p->fresh('s');
        $p->lines[] = $p->indent . "int $step = " . pick([-2, -1, 1, 2]);
        $to = $from + mt_rand(0, 3);
        $p->lines[] = $p->indent . 'for ' . $i . ' in ' . (chance(50) ? "$to .. $from" : "$from .. $to")
            . " step $step";
    } else {
        $p->lines[] = $p->indent . "for $i in $from .. " . ($from + mt_rand(0, 3));
    }
    $saved = $p->vars[$i]['bound'];
    $p->vars[$i]['bound'] = max($saved, 6);
    $p->loopVars[] = $i;
    blockBody($p, true);
    array_pop($p->loopVars);
    $p->lines[] = $p->indent . '/for';
}

function program(int $seed): string
{
    mt_srand($seed);
    $p = new Program();
    $functions = mt_rand(0, 2);
    for ($i = 0; $i < $functions; ++$i)
        functionDefinition($p);
    if (chance(40))
        classDefinition($p);
    $statements = mt_rand(5, 25);
    for ($i = 0; $i < $statements; ++$i) {
        $k = mt_rand(0, 11);
        if ($k < 4)
            chance(15) ? objectDeclaration($p) : declaration($p);
        elseif ($k < 6)
            chance(15) ? objectAssignment($p) : assign($p);
        elseif ($k < 8)
            block($p);
        else
            printStatement($p);
    }
    printStatement($p);
    return implode("\n", $p->lines) . "\n";
}

// Runs a command; its exit status, standard output and standard error.
function run(string $command, string $folder): array
{
    $pipes = [];
    $process = proc_open($command, [1 => ['pipe', 'w'], 2 => ['pipe', 'w']], $pipes, $folder);
    $out = stream_get_contents($pipes[1]);
    $err = stream_get_contents($pipes[2]);
    fclose($pipes[1]);
    fclose($pipes[2]);
    return [proc_close($process), $out, $err];
}

if (isset($options['print'])) {
    echo program($seed);
    exit(0);
}
if (!$velp || !is_executable($velp)) {
    fwrite(STDERR, "velgen: no velp (build it first, or give --velp)\n");
    exit(2);
}

$folder = sys_get_temp_dir() . '/velgen-' . getmypid();
@mkdir($folder);
$clean = 0;
$failed = 0;
for ($i = 0; $i < $count; ++$i) {
    $programSeed = $seed + $i;
    $text = program($programSeed);
    file_put_contents("$folder/p.vel", $text);
    @unlink("$folder/p.php");
    [$status, $out, $err] = run('timeout 20 ' . escapeshellarg($velp) . ' -cq p', $folder);
    if ($status === 124 || $status >= 128) {
        ++$failed;
        echo "velgen: seed $programSeed: velp " . ($status === 124 ? 'hangs' : "dies ($status)")
            . "\n$text";
        if ($keep !== null) {
            @mkdir($keep, 0777, true);
            file_put_contents("$keep/seed-$programSeed.vel", $text);
        }
        continue;
    }
    // the line a template with names prints is no diagnostic
    $out = preg_replace('/^\d+\) uninterpol true\n/m', '', $out);
    if ($status !== 0 || $out !== '' || $err !== '')
        continue;   // velp has something to say: not a program to check
    ++$clean;
    $problem = null;
    [$status, $out, $err] = run('php -l p.php', $folder);
    if ($status !== 0) {
        $problem = "php -l:\n$out$err";
    } else {
        [$status, $out, $err] = run('timeout 20 php -d error_reporting=-1 -d display_errors=stderr -q p.php', $folder);
        if ($status !== 0 || $err !== ''
            || preg_match('/(Warning|Notice|Deprecated|Fatal error|TypeError|Error):/', $out))
            $problem = "php (exit $status):\n$err$out";
    }
    if ($problem === null)
        continue;
    ++$failed;
    echo "velgen: seed $programSeed fails\n$text--- PHP\n" . file_get_contents("$folder/p.php")
        . "--- $problem\n";
    if ($keep !== null) {
        @mkdir($keep, 0777, true);
        file_put_contents("$keep/seed-$programSeed.vel", $text);
    }
}
array_map('unlink', glob("$folder/*") ?: []);
@rmdir($folder);
echo "velgen: $count programs from seed $seed, $clean compiled without a diagnostic, $failed failed\n";
exit($failed > 0 ? 1 : 0);
