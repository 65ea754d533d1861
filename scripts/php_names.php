<?php
// Writes semantic/php_names_data.inc: the names PHP defines itself in the
// extensions every php-cli has (functions, classes and interfaces, constants)
// and its reserved words, each list sorted for binary search.
//   php scripts/php_names.php > semantic/php_names_data.inc
// Functions and classes are kept in lower case, since PHP finds them
// whatever their case; constants keep their case.

// PHP's own words: each is checked against the tokenizer, so a word PHP
// no longer reserves fails the script instead of entering the table.
$keywords = [
    '__halt_compiler', 'abstract', 'and', 'array', 'as', 'break', 'callable', 'case',
    'catch', 'class', 'clone', 'const', 'continue', 'declare', 'default', 'die', 'do',
    'echo', 'else', 'elseif', 'empty', 'enddeclare', 'endfor', 'endforeach', 'endif',
    'endswitch', 'endwhile', 'eval', 'exit', 'extends', 'final', 'finally', 'fn', 'for',
    'foreach', 'function', 'global', 'goto', 'if', 'implements', 'include',
    'include_once', 'instanceof', 'insteadof', 'interface', 'isset', 'list', 'match',
    'namespace', 'new', 'or', 'print', 'private', 'protected', 'public', 'readonly',
    'require', 'require_once', 'return', 'static', 'switch', 'throw', 'trait', 'try',
    'unset', 'use', 'var', 'while', 'xor', 'yield',
    '__class__', '__dir__', '__file__', '__function__', '__line__', '__method__',
    '__namespace__', '__trait__',
];
foreach ($keywords as $word) {
    $tokens = token_get_all("<?php " . $word);
    if (!is_array($tokens[1]) || $tokens[1][0] === T_STRING) {
        fwrite(STDERR, "not a PHP keyword: $word\n");
        exit(1);
    }
}
// Names PHP takes as its own where a class name stands, and the constants
// it reads as words whatever their case.
$reservedClassNames = ['bool', 'false', 'float', 'int', 'iterable', 'mixed', 'never',
                       'null', 'object', 'parent', 'self', 'static', 'string', 'true',
                       'void'];
$reservedWords = array_unique(array_merge($keywords, ['true', 'false', 'null']));

// The extensions of Debian's php-cli and php-common, which every php-cli
// has; others a machine may add (opcache, mbstring, ...) do not count.
$extensions = ['Core', 'date', 'libxml', 'openssl', 'pcre', 'zlib', 'filter', 'hash', 'json',
               'pcntl', 'random', 'Reflection', 'SPL', 'session', 'standard', 'sodium', 'PDO',
               'calendar', 'ctype', 'exif', 'FFI', 'fileinfo', 'ftp', 'gettext', 'iconv',
               'Phar', 'posix', 'readline', 'shmop', 'sockets', 'sysvmsg', 'sysvsem',
               'sysvshm', 'tokenizer'];
$wanted = [];
foreach ($extensions as $extension) {
    if (!extension_loaded($extension)) {
        fwrite(STDERR, "extension missing: $extension\n");
        exit(1);
    }
    $wanted[strtolower($extension)] = true;
}

$functions = [];
foreach ($extensions as $extension)
    foreach (get_extension_funcs($extension) ?: [] as $function)
        $functions[] = strtolower($function);
$classes = [];
foreach (array_merge(get_declared_classes(), get_declared_interfaces(), get_declared_traits())
         as $class) {
    $reflection = new ReflectionClass($class);
    if (isset($wanted[strtolower((string)$reflection->getExtensionName())]))
        $classes[] = strtolower($class);
}
$constants = [];
foreach (get_defined_constants(true) as $extension => $names)
    if (isset($wanted[strtolower($extension)]))
        $constants = array_merge($constants, array_keys($names));

// The classes a program's class may extend and their parents: each with
// its parent, the required arguments of its constructor (-1: none), and
// the members it declares itself that are not private. A member is a kind
// letter and its name. A method's name is in lower case, followed by ":"
// and its result ("t" text, "i" integer, "r" real, "b" boolean, "a" array,
// "v" void, "x" anything else); its letter is "m" for a public method, "s"
// a public static one, "h" a protected one. A property's letter says what
// a subclass may declare again under its name: "u" an instance property
// without a type, public (a public one), "q" the same protected (a public
// or protected one), "h" a static or typed one (none).
function resultLetter($method)
{
    $type = $method->hasReturnType() ? $method->getReturnType()
                                     : $method->getTentativeReturnType();
    if (!($type instanceof ReflectionNamedType) || $type->allowsNull())
        return 'x';
    $letters = ['string' => 't', 'int' => 'i', 'float' => 'r', 'bool' => 'b', 'array' => 'a',
                'void' => 'v'];
    return $letters[$type->getName()] ?? 'x';
}
$extendable = [];
foreach (get_declared_classes() as $class) {
    $reflection = new ReflectionClass($class);
    if (!isset($wanted[strtolower((string)$reflection->getExtensionName())]) ||
        strpos($class, '\\') !== false || $reflection->isInterface() || $reflection->isTrait() ||
        $reflection->isEnum() || $reflection->isFinal() || $reflection->isAbstract())
        continue;
    $constructor = $reflection->getConstructor();
    if ($constructor && !$constructor->isPublic())
        continue;
    // what PHP itself refuses to let a class extend
    try {
        eval('class velp_probe_' . count($extendable) . ' extends \\' . $class . ' {}');
    } catch (Throwable $e) {
        continue;
    }
    $extendable[strtolower($class)] = true;
}
$classRows = [];
$pending = array_keys($extendable);
while ($pending) {
    $name = array_pop($pending);
    if (isset($classRows[$name]))
        continue;
    $reflection = new ReflectionClass($name);
    $parent = $reflection->getParentClass();
    $members = [];
    foreach ($reflection->getMethods() as $method) {
        if ($method->isPrivate() || strcasecmp($method->getDeclaringClass()->getName(),
                                                $reflection->getName()) != 0)
            continue;
        $kind = !$method->isPublic() ? 'h' : ($method->isStatic() ? 's' : 'm');
        $members[] = $kind . strtolower($method->getName()) . ':' . resultLetter($method);
    }
    foreach ($reflection->getProperties() as $property) {
        if ($property->isPrivate() || strcasecmp($property->getDeclaringClass()->getName(),
                                                  $reflection->getName()) != 0)
            continue;
        $kind = $property->hasType() || $property->isStatic() ? 'h'
                : ($property->isPublic() ? 'u' : 'q');
        $members[] = $kind . $property->getName();
    }
    $constructor = $reflection->getConstructor();
    $classRows[$name] = [
        $parent ? strtolower($parent->getName()) : '',
        isset($extendable[$name]) ? 1 : 0,
        $constructor ? $constructor->getNumberOfRequiredParameters() : -1,
        implode(' ', $members),
    ];
    if ($parent)
        $pending[] = strtolower($parent->getName());
}
ksort($classRows, SORT_STRING);

// A namespaced name (Random\Randomizer) is no bare name a program can write.
function emit($name, $list)
{
    $list = array_filter(array_unique($list), function ($item) {
        return strpos($item, '\\') === false;
    });
    $list = array_values($list);
    sort($list, SORT_STRING);
    echo "static const char* const " . $name . "[] = {\n";
    $line = '   ';
    foreach ($list as $item) {
        $entry = ' "' . $item . '",';
        if (strlen($line) + strlen($entry) > 96) {
            echo $line, "\n";
            $line = '   ';
        }
        $line .= $entry;
    }
    echo $line, "\n};\n\n";
}

echo "// Generated by scripts/php_names.php from PHP ", PHP_MAJOR_VERSION, ".", PHP_MINOR_VERSION,
     "; do not edit.\n";
echo "// Extensions: ", implode(' ', $extensions), "\n\n";
emit('phpFunctionNames', $functions);
emit('phpClassNames', $classes);
emit('phpConstantNames', $constants);
emit('phpReservedWords', $reservedWords);
emit('phpReservedClassNames', $reservedClassNames);

echo "// name, parent, extendable, constructor's required arguments, members\n";
echo "static const PhpClassRow phpClassRows[] = {\n";
foreach ($classRows as $name => [$parent, $canExtend, $arguments, $members]) {
    $head = '    {"' . $name . '", "' . $parent . '", ' . $canExtend . ', ' . $arguments . ',';
    $line = $head;
    $text = '"' . $members . '"';
    if (strlen($line) + 1 + strlen($text) + 2 <= 96) {
        echo $line, ' ', $text, "},\n";
        continue;
    }
    echo $line, "\n";
    // the members in pieces the compiler joins
    $piece = '     "';
    foreach (explode(' ', $members) as $i => $member) {
        $word = ($i ? ' ' : '') . $member;
        if (strlen($piece) + strlen($word) + 1 > 96) {
            echo $piece, "\"\n";
            $piece = '     "';
        }
        $piece .= $word;
    }
    echo $piece, "\"},\n";
}
echo "};\n";
